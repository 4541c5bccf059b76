#include "workspaces.h"

#include "frontdesk.h"
#include "groupworkspace.h"
#include "placeholderwindow.h"
#include "routeworkspace.h"
#include "windowhost.h"

namespace {

// The maintenance workspace's two panels start hidden on every switch to it.
void hideMaintenancePanels(QWidget *window) {
    QMetaObject::invokeMethod(window, "hidePanels");
}

std::function<QWidget *()> placeholder(const QString &name, const QString &caption) {
    return [name, caption] { return new PlaceholderWindow(name, caption); };
}

QWidget *maintenancePlaceholder() {
    auto *window = new PlaceholderWindow("Form9", "系统维护");
    window->addPanel("Frame1", "常用信息维护");
    window->addPanel("Frame2", "部门与人员管理");
    return window;
}

} // namespace

const QVector<WorkspaceEntry> &workspaces() {
    static const QVector<WorkspaceEntry> list = {
        {"Form4", "前台处理", "qtcl", true, [] { return new FrontDesk; }},
        {"Form3", "线路管理", "xlgl", false, [] { return new RouteWorkspace; }},
        {"Form5", "团队计调", "tdjt", false, [] { return new GroupWorkspace; }},
        {"Form6", "客户关系管理", "khgx", false, placeholder("Form6", "客户关系管理")},
        {"Form7", "财务管理", "cwgl", false, placeholder("Form7", "财务管理")},
        {"Form9", "系统维护", "xitongweihu", false, maintenancePlaceholder},
        {"Form8", "资料录入", "ziliao", false, placeholder("Form8", "资料录入")},
    };
    return list;
}

QWidget *switchWorkspace(const QString &name) {
    for (const WorkspaceEntry &w : workspaces()) {
        if (w.name != name)
            WindowHost::close(w.name);
    }
    WindowHost::close(kChangePasswordWindow);
    for (const WorkspaceEntry &w : workspaces()) {
        if (w.name != name)
            continue;
        QWidget *window = WindowHost::find(name);
        const bool fresh = !window;
        if (fresh)
            window = w.create();
        if (name == QLatin1String("Form9"))
            hideMaintenancePanels(window);
        if (!fresh)
            WindowHost::raise(window);
        else if (w.separate)
            WindowHost::showSeparate(window);
        else
            WindowHost::showChild(window);
        return window;
    }
    return nullptr;
}
