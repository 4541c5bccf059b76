#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QTreeView;

// Form68: choose a backup by drive, directory and file, and restore the database from it.
class RestoreWindow : public QWidget {
    Q_OBJECT
public:
    explicit RestoreWindow(QWidget *parent = nullptr);

private:
    void setDrive(const QString &rootPath);
    void setDirectory(const QString &path);
    QString selectedFile() const;
    void restoreDatabase();

    QComboBox *m_drive1;
    QTreeView *m_dir1;
    QListView *m_file1;
    QLineEdit *m_text1;
    QFileSystemModel *m_directories;
    QFileSystemModel *m_files;
};
