#pragma once

// The bookmarks for today's web browsers: a Netscape bookmark file.

#include "views/bookmark/bookmark_store.h"

#include <string>

namespace exchange {

// Every live bookmark of store as a Netscape bookmark file ("<!DOCTYPE
// NETSCAPE-Bookmark-file-1>", UTF-8, LF line ends). The folders of the store's GroupTable come
// first, in table order (each number once, its first entry; a folder without a name or with
// number -1 is none), each as <DT><H3>name</H3> and a <DL><p> list of its bookmarks in store
// order, empty folders included; then the bookmarks without folder (number -1, or one the
// table names no folder for) at the top level. Each bookmark is <DT><A HREF="url">title</A>;
// texts are HTML-escaped (& < > " '). The caller owns the returned bytes; nothing fails.
std::string exportBookmarkHtml(const views::BookmarkStore &store);

} // namespace exchange
