#pragma once

#include <QString>

// The logged-in user, set by each successful login and kept until the program ends.
namespace CurrentUser {
struct User {
    QString account;
    QString password;
    QString name;
};
const User &get();
void set(const User &user);
} // namespace CurrentUser
