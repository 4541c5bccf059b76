#include "dataerrors.h"

#include <QDebug>

namespace dataerrors {
namespace {
Handler &handler() {
    static Handler h;
    return h;
}
} // namespace

void setHandler(Handler h) {
    handler() = std::move(h);
}

void report(const QString &message) {
    if (handler())
        handler()(message);
    else
        qWarning().noquote() << message;
}
} // namespace dataerrors
