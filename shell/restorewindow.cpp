#include "restorewindow.h"

#include "database.h"
#include "messages.h"
#include "restore.h"
#include "twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

RestoreWindow::RestoreWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form68"));
    setWindowTitle(QStringLiteral("数据恢复"));
    setFixedTwips(this, 4065, 3735);

    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            m_drive1->addItem(volume.rootPath(), volume.rootPath());
    }

    m_directories = new QFileSystemModel(this);
    m_directories->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_dir1 = new QTreeView(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setModel(m_directories);
    m_dir1->setHeaderHidden(true);
    for (int column = 1; column < m_directories->columnCount(); ++column)
        m_dir1->hideColumn(column);

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files | QDir::Hidden);
    m_file1 = new QListView(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setModel(m_files);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    auto *command1 = new QPushButton(QStringLiteral("数据恢复"), this);
    auto *command2 = new QPushButton(QStringLiteral("退出"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command2->setObjectName(QStringLiteral("Command2"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_drive1, 0, 0);
    layout->addWidget(m_dir1, 1, 0);
    layout->addWidget(m_file1, 0, 1, 2, 1);
    layout->addWidget(m_text1, 2, 0, 1, 2);
    layout->addWidget(command1, 3, 0);
    layout->addWidget(command2, 3, 1);

    // Start where the database and its backups are.
    const QString home = database::directory();
    const QString homeDrive = QStorageInfo(home).rootPath();
    m_drive1->setCurrentIndex(qMax(0, m_drive1->findData(homeDrive)));
    setDrive(m_drive1->currentData().toString());
    m_dir1->setCurrentIndex(m_directories->index(home));

    connect(m_drive1, &QComboBox::currentIndexChanged, this,
            [this] { setDrive(m_drive1->currentData().toString()); });
    connect(m_dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { setDirectory(m_directories->filePath(current)); });
    connect(m_file1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    m_text1->setText(QDir::toNativeSeparators(m_files->filePath(current)));
            });
    connect(command1, &QPushButton::clicked, this, &RestoreWindow::restoreDatabase);
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
    setDirectory(home);
}

void RestoreWindow::setDrive(const QString &rootPath) {
    m_dir1->setRootIndex(m_directories->setRootPath(rootPath));
    m_dir1->setCurrentIndex(m_directories->index(rootPath));
}

void RestoreWindow::setDirectory(const QString &path) {
    m_file1->setRootIndex(m_files->setRootPath(path));
    m_file1->clearSelection();
    m_file1->setCurrentIndex({});
    m_dir1->scrollTo(m_directories->index(path));
}

QString RestoreWindow::selectedFile() const {
    const QModelIndex current = m_file1->currentIndex();
    return current.isValid() && m_file1->selectionModel()->isSelected(current)
               ? m_files->filePath(current)
               : QString();
}

void RestoreWindow::restoreDatabase() {
    if (m_text1->text().isEmpty()) {
        Messages::show(QStringLiteral("请选择要恢复的数据！"));
        return;
    }
    // The file list's selection is restored; the text box only tells that a choice was made.
    const QString chosen = selectedFile();
    restore::Result result;
    if (!chosen.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        result = restore::run(chosen, database::filePath());
        QApplication::restoreOverrideCursor();
    }
    switch (result.outcome) {
    case restore::Outcome::Restored:
        Messages::show(QStringLiteral("数据已恢复完毕！"));
        break;
    case restore::Outcome::Refused:
    case restore::Outcome::SafetyCopyFailed:
        Messages::show(result.message);
        break;
    case restore::Outcome::CopyFailed:
        Messages::show(QStringLiteral("数据库正在使用!"));
        close();
        break;
    }
}
