#pragma once
// The one place where message codes become texts. Every text goes through
// QCoreApplication::translate in the context "Messages" with its Russian source text, so a
// translation installed in the application renders it; without one the Russian text shows.
//
//     dialogs.warning(this, MessageText(MessageCode::WarningCaption),
//                     MessageText(CommitMessage(kind, commit)));

#include "model/kinds.h"
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

// A designation of the catalogue ("16аУ", "100×63×8") with its series letters as the
// language on show writes them.
QString DesignationText(std::string_view designation);

// How a catalogue row is named: "Двутавр №20, ГОСТ 8239-89".
QString CatalogueTitleText(Kind kind, std::string_view designation, std::string_view standard);

// As UTF-8, for the command line.
std::string MessageString(std::span<const Message> lines);
std::string MessageString(const Message& message);

} // namespace karo
