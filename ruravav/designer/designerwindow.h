#pragma once

#include <QMainWindow>

class KX_ruravav;
class PropertyPage;
class QTabWidget;

// Hosts one list bar beside its three property pages and keeps its stored set in a file.
class DesignerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DesignerWindow(const QString &path, QWidget *parent = nullptr);

    KX_ruravav *bar() const { return m_bar; }
    bool save();

private:
    void applyPages();
    void refillPages();

    QString m_path;
    KX_ruravav *m_bar;
    QTabWidget *m_pages;
    QList<PropertyPage *> m_pageList;
};
