#pragma once

#include "propertystore.h"

#include <QDir>

// The text form of a stored property set, one value a line, so that a designer can diff it:
//
//   # comment
//   MenuCaption1 text "客户分类"
//   MenuItemsMax1 int32 3
//   MenuItemIcon11 picture "customers-MenuItemIcon11.png"   (PNG file beside the set)
//   MenuItemIcon12 png iVBORw0KGgo...                          (PNG embedded as base64)
//
// Other types: int16, bool (true/false). Texts are UTF-8 in double quotes with the escapes
// \" \\ \n \r \t. A line that cannot be read (unknown type, bad number, missing picture) is
// skipped and the rest of the set is still read.
namespace StoredSetFile {

enum class Pictures { Beside, Embedded };

PropertyStore parse(const QByteArray &text, const QDir &pictureFolder);
PropertyStore read(const QString &path);
// Writes the set, with pictures as PNG files named <set name>-<key>.png beside it or
// embedded; false when a file cannot be written.
bool write(const PropertyStore &store, const QString &path, Pictures pictures);

} // namespace StoredSetFile
