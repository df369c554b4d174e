#pragma once
// Message boxes and file dialogs that ask a person.
#include <QString>
#include <optional>
#include <string>

#include "forms/services.h"

class QWidget;

namespace qtback {

// The button pressed (vbOK, vbYes...), with the icon, buttons and default
// button that the style asks for.
int ShowMessageBox(const forms::MessageRequest& request, QWidget* parent);

// "Text files (*.txt)|*.txt|All files|*.*" as Qt writes it:
// "Text files (*.txt);;All files (*.*)".
QString QtFileFilter(const std::string& filter);

// The chosen path, or nothing when the person cancelled.
std::optional<std::string> ShowFileDialog(const forms::FileRequest& request, QWidget* parent);

}  // namespace qtback
