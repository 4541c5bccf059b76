#pragma once

#include "messagerecorder.h"
#include "tempdatabase.h"

#include <QStringList>
#include <memory>

class KeyedTree;
class QAbstractItemView;
class QWidget;
class RouteEditor;
class RouteWorkspace;

struct Route {
    QString name;
    QString begin = QStringLiteral("上海");
    QString end = QStringLiteral("杭州");
    QString area = QStringLiteral("华东线");
    QString type = QStringLiteral("常规线路");
    QString state = QStringLiteral("可用线路");
    QString memo;
};

// One test's database and message recorder, and the user's moves on the route windows.
class RouteFixture {
public:
    RouteFixture();
    ~RouteFixture();

    TempDatabase &db() { return *m_db; }
    MessageRecorder *messages() const { return m_messages; }

    // Stores a route; returns its lngid.
    QString addRoute(const Route &route);
    // Every route as "name|begin|end|area|type|state", in lngid order.
    QStringList storedRoutes() const;

    // Opens the route workspace as the main window's "线路管理" does.
    RouteWorkspace *openWorkspace();
    // Picks a popup entry of Form25 on the workspace; returns the route editor if one opened.
    RouteEditor *choose(RouteWorkspace *workspace, const QString &item);

    // Shows the tree's tab and clicks the node.
    static void clickNode(KeyedTree *tree, const QString &key);
    static KeyedTree *tree(RouteWorkspace *workspace, const QString &name);
    // Column 0 of every listed row.
    static QStringList listed(QAbstractItemView *grid);
    // Replaces a text box's or combo box's text by typing (through the input method).
    static void type(QWidget *window, const QString &control, const QString &text);
    static void click(QWidget *window, const QString &button);

private:
    std::unique_ptr<TempDatabase> m_db;
    MessageRecorder *m_messages;
};
