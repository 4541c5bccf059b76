#include "selectedrecordid.h"

namespace {
QString &value() {
    static QString id;
    return id;
}
} // namespace

namespace SelectedRecordId {
QString get() {
    return value();
}
void set(const QString &id) {
    value() = id;
}
void clear() {
    value().clear();
}
} // namespace SelectedRecordId
