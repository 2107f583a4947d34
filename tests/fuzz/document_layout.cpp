// What the report viewer and the help window do with a document: shape it within the
// bounds (shown_document.h), then lay it out as their browser does. Every input, read as
// an HTML page and as a plain text, must be laid out within a second of processor time:
// a slower input is a finding, as a crash is. The shown text is the input's, cut, with
// breaks and notes only.
#include <ctime>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include "fuzz_support.h"
#include "shell/shown_document.h"

namespace {

constexpr double kSecondsPerInput = 1.0;

void layOut(const shell::ShownDocument& shown)
{
    QTextDocument document;
    if (shown.html)
        document.setHtml(shown.text);
    else
        document.setPlainText(shown.text);
    document.setTextWidth(540);
    (void)document.documentLayout()->documentSize();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_document_layout";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    const std::string bytes = fuzz::asText(data, size);
    const QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    const std::clock_t start = std::clock();
    const shell::ShownDocument page = shell::shownHtml(text);
    layOut(page);
    const shell::ShownDocument plain = shell::shownPlainText(text);
    layOut(plain);
    const double took = double(std::clock() - start) / CLOCKS_PER_SEC;
    fuzz::check(took < kSecondsPerInput, "a document is laid out within a second");

    // Only breaks are added to a short text; line ends become line feeds.
    QString shown = plain.text, original = text;
    shown.remove(QChar(0x200B)).remove(u'\n');
    original.remove(QChar(0x200B)).remove(u'\r').remove(u'\n');
    fuzz::check(text.size() > shell::kShownCharacters || shown == original, "a plain text keeps its characters");
    if (page.html) {
        QString html = page.text;
        fuzz::check(
            text.size() > shell::kShownCharacters || html.remove(QChar(0x200B)) == QString(text).remove(QChar(0x200B)),
            "a page that fits is laid out as it is");
    } else {
        fuzz::check(page.text.startsWith(shell::flattenedNote()), "a flattened page says so");
    }
    return 0;
}
