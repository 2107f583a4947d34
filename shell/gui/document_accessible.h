// How a screen reader reads the report viewer's and the help window's document: as a
// document whose text it can walk, with its headings and links as parts it can jump to
// and, for a link, follow.
#pragma once

class QTextBrowser;

namespace shell {

// Gives `browser` that reading; its text, headings and links are taken anew each time.
void exposeDocument(QTextBrowser* browser);

}  // namespace shell
