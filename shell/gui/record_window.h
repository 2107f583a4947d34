// The skeleton of every program's main window that owns a record: the program's core
// (record and readings), the table that binds controls to the record, the caption of the
// standard prompt, and the exit path.
//
// A window derives from RecordWindow<Core>, builds its layout, hands its field table to
// setFields() and connects each button it creates to one of its own handlers. A handler
// reads the controls (readFields), runs the reading on core_, and writes the record back
// (writeFields) when the reading says so.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/gui/clipboard.h"
#include "shell/gui/data_exchange.h"
#include "shell/gui/program_dialog.h"

namespace shell {

template <class Core>
class RecordWindow : public ProgramDialog {
public:
    Core& core() { return core_; }
    const std::vector<Field>& fields() const { return fields_; }

    // Reads the controls into the record in table order. A number that does not parse or
    // is out of range is prompted for; that field and every later one keep their values
    // and false is returned (most buttons go on with the record as it is).
    bool readFields() { return readControls(*this, fields_, services().ui, promptCaption_); }

    // A button's whole road: read the controls (a refused number has been prompted for and
    // the reading goes on with the record as it is), run the reading on the core, and show
    // the record again when the reading says so. `reading` is a member of the core
    // (`&Duovell::Reading`) or a function taking the core (`StarsReading`).
    template <class Reading>
    void run(Reading reading)
    {
        readFields();
        if (std::invoke(reading, core_))
            writeFields();
    }

    // The copy and paste buttons beside a message box (Zendary's and Lexivar's). Copy takes
    // what the box shows, even when a refused number kept the record from being read;
    // paste puts the clipboard's text into `message` and shows the record again.
    void copyMessageFrom(const QWidget& box)
    {
        readFields();
        setClipboardText(controlText(box));
    }
    void pasteMessageInto(std::string& message, const std::string& caption)
    {
        readFields();
        if (auto text = clipboardText(services().ui, caption)) {
            message = std::move(*text);
            writeFields();
        }
    }

    // Shows the record in the controls, the table's fields and the window's own extras.
    void writeFields()
    {
        writeControls(*this, fields_);
        writeExtras();
    }

    // The exit path (Exit, Escape, the close box): a program that keeps saved inputs reads
    // the controls, stays open while they are not fit to keep, and writes its file; then
    // the window closes and the program hands over to the launcher.
    void reject() override
    {
        if (keepsSavedInputs()) {
            readFields();
            if (!inputsFitToKeep())
                return;
            saveInputs();
        }
        ProgramDialog::reject();
    }

protected:
    template <class... CoreArgs>
    RecordWindow(Services& services, AboutSpec about, std::string promptCaption, CoreArgs&&... coreArgs) :
        ProgramDialog(services, std::move(about)),
        core_(services, std::forward<CoreArgs>(coreArgs)...),
        promptCaption_(std::move(promptCaption))
    {
    }

    // The binding of controls to record fields, in the order a button reads them. Call
    // once the layout exists: edits get their length limits here.
    void setFields(std::vector<Field> fields)
    {
        fields_ = std::move(fields);
        applyLimits(*this, fields_);
    }

    // Controls outside the table (check boxes, lists) that writeFields also shows.
    virtual void writeExtras() {}

    // Saved inputs: whether the exit path reads and saves, whether the record may be kept
    // (a bad date keeps the window open), and the write itself (silent on failure).
    virtual bool keepsSavedInputs() const { return false; }
    virtual bool inputsFitToKeep() { return true; }
    virtual void saveInputs() {}

    Core core_;

private:
    std::vector<Field> fields_;
    std::string promptCaption_;
};

}  // namespace shell
