#pragma once
// What the program has to tell the user, as codes with their arguments. The layers below the
// window return these; the texts are made in one place at the edge (texts/message_text.h),
// where a translation can be put in.

#include <string>
#include <string_view>
#include <vector>

namespace karo {

inline constexpr std::string_view kAppTitle = "Karo 2006";

enum class MessageCode {
    None,
    WarningCaption, // the caption of every warning box
    InputError,     // the first line of every refusal of the section data

    // A typed field refused: %1 the field's hint, %2 its symbol.
    FieldNotANumber,
    FieldNotAPositiveNumber,
    FieldNotPositive,
    FieldIuNotBelowIxAndIy,

    // The cross-checks of the kinds.
    CheckWidthNotBelowHeight,
    CheckIyNotBelowIxWebAlongY,
    CheckIxNotBelowIyWebAlongX,
    CheckZoNotBelowWidth,
    CheckSmallLegNotBelowLargeLeg,
    CheckThicknessNotBelowSmallLeg,
    CheckIuNotBelowIx,
    CheckIuNotBelowIy,
    CheckThicknessNotBelowXo,
    CheckThicknessNotBelowYo,
    CheckXoNotBelowSmallLeg,
    CheckYoNotBelowSmallLeg,
    CheckIyNotBelowIxLegAlongY,
    CheckIxNotBelowIyLegAlongX,
    CheckXoNotBelowYoLegAlongY,
    CheckYoNotBelowXoLegAlongX,
    CheckThicknessNotBelowWidth,
    CheckThicknessNotBelowZo,

    // Refusals of a placement: %1 a kind's name and %2 an entry's number where a profile is
    // named.
    PlaceNoSuchProfile,
    PlaceNoOtherProfile,
    PlaceSameProfile,
    PlaceTargetIncomplete,
    PlaceBadAlignment,  // %1 the alignment, %2 the side
    PlaceGapOutOfRange, // %1 the largest gap

    // Why a file could not be read or written: a reason to follow a colon.
    ReasonNoSuchFile,
    ReasonNoAccess,
    ReasonNoSpace,
    ReasonQuota,
    ReasonTooLarge,
    ReasonReadOnlyDisk,
    ReasonIsFolder,
    ReasonNotFolder,
    ReasonNameTooLong,
    ReasonLinkLoop,
    ReasonIoError,
    ReasonTooManyFiles,
    ReasonExists,
    ReasonBusy,
    ReasonNoMemory,
    ReasonOtherDisk,
    ReasonNoDevice,
    ReasonSystemError, // %1 the error's number
    ReasonNotRegularFile,
    ReasonWriteProtected,

    // Why a section cannot be solved.
    SectionAreaTooSmall,
    SectionEmpty,
    SectionHasNoArea, // for the properties, whose mesh finds no area

    // Why the properties from the outlines cannot be had.
    PropsUnknownThicknesses, // %1 the kind's name, %2 the entry's number
    PropsArithmeticFault,

    // The section file's refusals: where the file went wrong, and how a place in it is named.
    FileJsonTruncated,
    FileJsonMissingSeparator,
    FileJsonIllegalValue,
    FileJsonDeepNesting,
    FileJsonTooLarge,
    FileJsonGarbageAtEnd,
    FileJsonParseError,
    FileMalformed,
    FileObjectExpected,
    FileUnknownKindField,
    FileCodeOutOfRange,
    FileEntriesNotList,
    FileTooManyProfiles,
    FileCurrentOutOfRange,
    FileNumberOrTextExpected,
    FileRefused,
    FileNotJson,
    FileNotSection,
    FileUnknownField,
    FileWrongFormat,
    FileBadVersion,
    FileNewerVersion,
    FileKindsNotObject,
    FileUnknownKind,
    FilePlace,
    FilePlaceField,
    FileWarning,
    FileUnreadable,

    Count
};

// An argument of a message: a text shown as it is (a number, a file's name, a symbol), or a
// term of the program's tables (a kind's or a field's name, a side) that a translation
// renders in its language.
struct MessageArg {
    std::string text;
    bool term = false;
};

struct Message {
    MessageCode code = MessageCode::None;
    std::vector<MessageArg> args;

    bool empty() const { return code == MessageCode::None; }
};

// A message of several lines, one message a line.
using MessageLines = std::vector<Message>;

// Why a section of `profileCount` profiles cannot be solved at all, said after the
// input-error line: it has none, or their area is next to nothing.
constexpr MessageCode EmptySectionReason(int profileCount) {
    return profileCount > 0 ? MessageCode::SectionAreaTooSmall : MessageCode::SectionEmpty;
}

} // namespace karo
