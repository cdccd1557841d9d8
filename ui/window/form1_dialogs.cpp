// The two dialogs of the main window: the phone dialog, opened by the phone button, and
// the options dialog, opened by the menu entry "設定".
#include "ui/window/form1.h"

#include "phone/page_maker.h"
#include "ui/dialogs/frm_cstm.h"
#include "ui/dialogs/frm_mphone.h"
#include "ui/widgets/busy_pointer.h"
#include "ui/widgets/pane.h"

#include <QAction>
#include <QPushButton>

namespace tovalo::ui {
namespace {} // namespace

void Form1::connectDialogs() {
    connect(BtnMphone, &QPushButton::clicked, this, &Form1::openPhoneDialog);
    connect(MnuOption(), &QAction::triggered, this, &Form1::openOptions);
}

std::u16string Form1::MpMaker(std::int16_t height, std::int16_t width, bool lineBreaks) const {
    return phone::MpMaker(TxtOri->text(), phone::phoneParams(height, width, lineBreaks, settings_))
        .text;
}

// The dialog is made (and loads itself) on the first press, and again after the user
// closed it; a press while it is open brings it to the front. Either way the pages are
// built anew with the phone's standard size, whatever its boxes show.
void Form1::openPhoneDialog() {
    BusyPointer busy;
    if (!frmMphone_)
        frmMphone_ =
            new FrmMphone(settings_, *this, services_.clipboard, services_.windowOrder, this);
    frmMphone_->show();
    frmMphone_->raise();
    frmMphone_->activateWindow();
    frmMphone_->showPages(MpMaker(kPhonePageHeight, kPhonePageWidth, true));
}

// Start-up may have loaded the dialog already, hidden; then it is shown without loading
// again. Every closing discards it, and the vertical text follows the new options.
void Form1::openOptions() {
    optionsDialog().exec();
    delete frmCstm_;
    if (Command1->isEnabled())
        convert();
}

FrmCstm &Form1::optionsDialog() {
    if (!frmCstm_) {
        frmCstm_ = new FrmCstm(settings_, this);
        connect(frmCstm_, &FrmCstm::fontRequested, this, &Form1::FontChange);
    }
    return *frmCstm_;
}

} // namespace tovalo::ui
