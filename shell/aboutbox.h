#pragma once

#include <QStringList>
#include <QWidget>

// Form56: product, version and our addresses; "系统信息" starts a system-information program.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    // Programs looked for on PATH, the first one found is started.
    static const QStringList &systemInformationPrograms();

private:
    void showSystemInformation();
};
