#include "currentuser.h"

namespace CurrentUser {
namespace {
User &value() {
    static User user;
    return user;
}
} // namespace

const User &get() {
    return value();
}
void set(const User &user) {
    value() = user;
}
} // namespace CurrentUser
