// Placeholder until the dialog lands: answers with the first button.
#include "message_dialog.h"

namespace corvane {

MessageDialog::MessageDialog(SoundPlayer*, QWidget* parent) : QDialog(parent) {}

int MessageDialog::showMessage(const MessageRequest&) { return 0; }

}  // namespace corvane
