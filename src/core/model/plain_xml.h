// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A DOM element and the elements below it as plain XML text (elements and
// attributes only: text, comments and instructions carry nothing the readers
// use), in the form XmlPullReader reads. Files that are not plain XML are
// parsed by pugixml and read through this text, so that one reader serves
// every file.

#include <pugixml.hpp>
#include <string>

namespace quillix {

// Empty for a null node.
std::string PlainXmlOf(pugi::xml_node element);

}  // namespace quillix
