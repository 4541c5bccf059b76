#include "utilities.h"

#include "placeholderwindow.h"
#include "windowhost.h"

namespace utilities {
namespace {
QWidget *openOnce(const QString &name, const QString &caption) {
    if (QWidget *open = WindowHost::find(name)) {
        WindowHost::raise(open);
        return open;
    }
    return WindowHost::showChild(new PlaceholderWindow(name, caption));
}
} // namespace

QWidget *openChangePassword() {
    return openOnce("Form10", "修改密码");
}
QWidget *openCalculator() {
    return openOnce("Form27", "计算器");
}
QWidget *openAbout() {
    return openOnce("Form56", "关于本系统......");
}
QWidget *openInitialise() {
    return openOnce("Form69", "初始化");
}
QWidget *openBackup() {
    return openOnce("Form67", "数据备份");
}
QWidget *openRestore() {
    return openOnce("Form68", "数据恢复");
}
void openHelp() {
    openOnce("help", "帮助");
}
void openSupportMail() {
    openOnce("zhichi", "技术支持");
}
void openWebSite() {
    openOnce("Internet", "公司网站");
}
} // namespace utilities
