#pragma once
// The one place where message codes become texts. Every text goes through
// QCoreApplication::translate in the context "Messages" with its Russian source text, so a
// translation installed in the application renders it; without one the Russian text shows.
//
//     dialogs.warning(this, MessageText(MessageCode::WarningCaption),
//                     MessageText(CommitMessage(kind, commit)));

#include "model/messages.h"

#include <QString>

#include <span>
#include <string>
#include <string_view>

namespace karo {

QString MessageText(const Message& message);
QString MessageText(MessageCode code);
// The lines, one under the other.
QString MessageText(std::span<const Message> lines);

// A name of the program's tables (a kind, a field's hint, a side), in the language on show.
QString TermText(std::string_view source);

// As UTF-8, for the command line.
std::string MessageString(std::span<const Message> lines);
std::string MessageString(const Message& message);

} // namespace karo
