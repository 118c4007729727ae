#include "texts/message_text.h"

#include "texts/standard_text.h"

#include <QCoreApplication>

#include <iterator>

namespace karo {
namespace {

constexpr const char* kContext = "Messages";

struct Source {
    MessageCode code;
    const char* text; // %1, %2: the arguments
};

// clang-format off
constexpr Source kSources[] = {
    {MessageCode::None, ""},
    {MessageCode::WarningCaption, QT_TRANSLATE_NOOP("Messages", "Внимание!")},
    {MessageCode::InputError, QT_TRANSLATE_NOOP("Messages", "Ошибка в исходных данных.")},

    {MessageCode::FieldNotANumber, QT_TRANSLATE_NOOP("Messages", "%1 %2: ожидается число; дробная часть отделяется точкой.")},
    {MessageCode::FieldNotAPositiveNumber, QT_TRANSLATE_NOOP("Messages", "%1 %2: ожидается число больше нуля; дробная часть отделяется точкой.")},
    {MessageCode::FieldNotPositive, QT_TRANSLATE_NOOP("Messages", "%1 %2: ожидается число больше нуля.")},
    {MessageCode::FieldIuNotBelowIxAndIy, QT_TRANSLATE_NOOP("Messages", "%1 %2 должен быть меньше меньшего из Ix и Iy.")},

    {MessageCode::CheckWidthNotBelowHeight, QT_TRANSLATE_NOOP("Messages", "Ширина полки b не меньше высоты h.")},
    {MessageCode::CheckIyNotBelowIxWebAlongY, QT_TRANSLATE_NOOP("Messages", "При стенке вдоль оси y' момент инерции Iy не меньше Ix.")},
    {MessageCode::CheckIxNotBelowIyWebAlongX, QT_TRANSLATE_NOOP("Messages", "При стенке вдоль оси x' момент инерции Ix не меньше Iy.")},
    {MessageCode::CheckZoNotBelowWidth, QT_TRANSLATE_NOOP("Messages", "Расстояние до центра тяжести Zo не меньше ширины полки b.")},
    {MessageCode::CheckSmallLegNotBelowLargeLeg, QT_TRANSLATE_NOOP("Messages", "Ширина меньшей полки b не меньше ширины большей полки B.")},
    {MessageCode::CheckThicknessNotBelowSmallLeg, QT_TRANSLATE_NOOP("Messages", "Толщина полки d не меньше ширины меньшей полки b.")},
    {MessageCode::CheckIuNotBelowIx, QT_TRANSLATE_NOOP("Messages", "Минимальный главный момент инерции Iu не меньше Ix.")},
    {MessageCode::CheckIuNotBelowIy, QT_TRANSLATE_NOOP("Messages", "Минимальный главный момент инерции Iu не меньше Iy.")},
    {MessageCode::CheckThicknessNotBelowXo, QT_TRANSLATE_NOOP("Messages", "Толщина полки d не меньше расстояния Xo.")},
    {MessageCode::CheckThicknessNotBelowYo, QT_TRANSLATE_NOOP("Messages", "Толщина полки d не меньше расстояния Yo.")},
    {MessageCode::CheckXoNotBelowSmallLeg, QT_TRANSLATE_NOOP("Messages", "Расстояние Xo не меньше ширины меньшей полки b.")},
    {MessageCode::CheckYoNotBelowSmallLeg, QT_TRANSLATE_NOOP("Messages", "Расстояние Yo не меньше ширины меньшей полки b.")},
    {MessageCode::CheckIyNotBelowIxLegAlongY, QT_TRANSLATE_NOOP("Messages", "При большей полке вдоль оси y' момент инерции Iy не меньше Ix.")},
    {MessageCode::CheckIxNotBelowIyLegAlongX, QT_TRANSLATE_NOOP("Messages", "При большей полке вдоль оси x' момент инерции Ix не меньше Iy.")},
    {MessageCode::CheckXoNotBelowYoLegAlongY, QT_TRANSLATE_NOOP("Messages", "При большей полке вдоль оси y' расстояние Xo не меньше Yo.")},
    {MessageCode::CheckYoNotBelowXoLegAlongX, QT_TRANSLATE_NOOP("Messages", "При большей полке вдоль оси x' расстояние Yo не меньше Xo.")},
    {MessageCode::CheckThicknessNotBelowWidth, QT_TRANSLATE_NOOP("Messages", "Толщина полки d не меньше ширины полки b.")},
    {MessageCode::CheckThicknessNotBelowZo, QT_TRANSLATE_NOOP("Messages", "Толщина полки d не меньше расстояния до центра тяжести Zo.")},

    {MessageCode::PlaceNoSuchProfile, QT_TRANSLATE_NOOP("Messages", "В сечении нет профиля «%1 %2».")},
    {MessageCode::PlaceNoOtherProfile, QT_TRANSLATE_NOOP("Messages", "В сечении нет другого профиля, к которому можно приставить.")},
    {MessageCode::PlaceSameProfile, QT_TRANSLATE_NOOP("Messages", "Профиль нельзя приставить к самому себе.")},
    {MessageCode::PlaceTargetIncomplete, QT_TRANSLATE_NOOP("Messages", "У профиля «%1 %2» заданы не все значения.")},
    {MessageCode::PlaceBadAlignment, QT_TRANSLATE_NOOP("Messages", "Выравнивание «%1» не подходит к стороне «%2».")},
    {MessageCode::PlaceGapOutOfRange, QT_TRANSLATE_NOOP("Messages", "Зазор — число сантиметров от 0 до %1.")},

    {MessageCode::ReasonNoSuchFile, QT_TRANSLATE_NOOP("Messages", "нет такого файла или папки")},
    {MessageCode::ReasonNoAccess, QT_TRANSLATE_NOOP("Messages", "нет доступа")},
    {MessageCode::ReasonNoSpace, QT_TRANSLATE_NOOP("Messages", "нет места на диске")},
    {MessageCode::ReasonQuota, QT_TRANSLATE_NOOP("Messages", "превышена дисковая квота")},
    {MessageCode::ReasonTooLarge, QT_TRANSLATE_NOOP("Messages", "файл слишком велик")},
    {MessageCode::ReasonReadOnlyDisk, QT_TRANSLATE_NOOP("Messages", "диск доступен только для чтения")},
    {MessageCode::ReasonIsFolder, QT_TRANSLATE_NOOP("Messages", "это папка, а не файл")},
    {MessageCode::ReasonNotFolder, QT_TRANSLATE_NOOP("Messages", "часть пути не является папкой")},
    {MessageCode::ReasonNameTooLong, QT_TRANSLATE_NOOP("Messages", "слишком длинное имя")},
    {MessageCode::ReasonLinkLoop, QT_TRANSLATE_NOOP("Messages", "слишком много символических ссылок")},
    {MessageCode::ReasonIoError, QT_TRANSLATE_NOOP("Messages", "ошибка ввода-вывода")},
    {MessageCode::ReasonTooManyFiles, QT_TRANSLATE_NOOP("Messages", "слишком много открытых файлов")},
    {MessageCode::ReasonExists, QT_TRANSLATE_NOOP("Messages", "файл уже существует")},
    {MessageCode::ReasonBusy, QT_TRANSLATE_NOOP("Messages", "файл занят")},
    {MessageCode::ReasonNoMemory, QT_TRANSLATE_NOOP("Messages", "недостаточно памяти")},
    {MessageCode::ReasonOtherDisk, QT_TRANSLATE_NOOP("Messages", "файлы на разных дисках")},
    {MessageCode::ReasonNoDevice, QT_TRANSLATE_NOOP("Messages", "нет такого устройства")},
    {MessageCode::ReasonSystemError, QT_TRANSLATE_NOOP("Messages", "системная ошибка %1")},
    {MessageCode::ReasonNotRegularFile, QT_TRANSLATE_NOOP("Messages", "это не обычный файл")},
    {MessageCode::ReasonWriteProtected, QT_TRANSLATE_NOOP("Messages", "файл защищён от записи")},

    {MessageCode::SectionAreaTooSmall, QT_TRANSLATE_NOOP("Messages", "Площадь сечения слишком мала.")},
    {MessageCode::SectionEmpty, QT_TRANSLATE_NOOP("Messages", "В сечении нет ни одного профиля.")},
    {MessageCode::SectionHasNoArea, QT_TRANSLATE_NOOP("Messages", "Сечение не имеет площади.")},
    {MessageCode::PropsUnknownThicknesses, QT_TRANSLATE_NOOP("Messages", "%1 %2: толщины стенки и полок неизвестны — выберите профиль из сортамента")},
    {MessageCode::PropsArithmeticFault, QT_TRANSLATE_NOOP("Messages", "Арифметическая ошибка при расчёте свойств сечения.")},
    {MessageCode::FileJsonTruncated, QT_TRANSLATE_NOOP("Messages", "текст оборван")},
    {MessageCode::FileJsonMissingSeparator, QT_TRANSLATE_NOOP("Messages", "пропущен разделитель")},
    {MessageCode::FileJsonIllegalValue, QT_TRANSLATE_NOOP("Messages", "недопустимое значение")},
    {MessageCode::FileJsonDeepNesting, QT_TRANSLATE_NOOP("Messages", "слишком глубокая вложенность")},
    {MessageCode::FileJsonTooLarge, QT_TRANSLATE_NOOP("Messages", "документ слишком велик")},
    {MessageCode::FileJsonGarbageAtEnd, QT_TRANSLATE_NOOP("Messages", "лишний текст в конце")},
    {MessageCode::FileJsonParseError, QT_TRANSLATE_NOOP("Messages", "ошибка разбора")},
    {MessageCode::FileMalformed, QT_TRANSLATE_NOOP("Messages", "Файл «%1»: %2")},
    {MessageCode::FileObjectExpected, QT_TRANSLATE_NOOP("Messages", "%1: ожидается объект")},
    {MessageCode::FileUnknownKindField, QT_TRANSLATE_NOOP("Messages", "%1: неизвестное поле «%2»")},
    {MessageCode::FileCodeOutOfRange, QT_TRANSLATE_NOOP("Messages", "%1: положение вне диапазона 1..%2")},
    {MessageCode::FileEntriesNotList, QT_TRANSLATE_NOOP("Messages", "%1: «entries» должен быть списком")},
    {MessageCode::FileTooManyProfiles, QT_TRANSLATE_NOOP("Messages", "%1: больше %2 профилей")},
    {MessageCode::FileCurrentOutOfRange, QT_TRANSLATE_NOOP("Messages", "%1: номер показанного профиля вне диапазона")},
    {MessageCode::FileNumberOrTextExpected, QT_TRANSLATE_NOOP("Messages", "%1: ожидается число или текст")},
    {MessageCode::FileRefused, QT_TRANSLATE_NOOP("Messages", "%1 Файл «%2»: %3.\n%4")},
    {MessageCode::FileNotJson, QT_TRANSLATE_NOOP("Messages", "не JSON (%1, позиция %2)")},
    {MessageCode::FileNotSection, QT_TRANSLATE_NOOP("Messages", "не файл сечения")},
    {MessageCode::FileUnknownField, QT_TRANSLATE_NOOP("Messages", "неизвестное поле «%1»")},
    {MessageCode::FileWrongFormat, QT_TRANSLATE_NOOP("Messages", "не файл сечения (формат «%1»)")},
    {MessageCode::FileBadVersion, QT_TRANSLATE_NOOP("Messages", "неверная версия формата")},
    {MessageCode::FileNewerVersion, QT_TRANSLATE_NOOP("Messages", "версия %1 новее, чем понимает программа (%2)")},
    {MessageCode::FileKindsNotObject, QT_TRANSLATE_NOOP("Messages", "«kinds» должен быть объектом")},
    {MessageCode::FileUnknownKind, QT_TRANSLATE_NOOP("Messages", "неизвестный вид профиля «%1»")},
    {MessageCode::FilePlace, QT_TRANSLATE_NOOP("Messages", "%1, профиль %2")},
    {MessageCode::FilePlaceField, QT_TRANSLATE_NOOP("Messages", "%1, профиль %2, поле %3")},
    {MessageCode::FileWarning, QT_TRANSLATE_NOOP("Messages", "Предупреждение: %1. %2")},
    {MessageCode::FileUnreadable, QT_TRANSLATE_NOOP("Messages", "Не удается прочитать файл «%1»: %2.")},
};
// clang-format on

constexpr bool everyCodeHasItsText() {
    if (std::size(kSources) != static_cast<std::size_t>(MessageCode::Count))
        return false;
    for (std::size_t i = 0; i < std::size(kSources); ++i) {
        if (static_cast<std::size_t>(kSources[i].code) != i)
            return false;
    }
    return true;
}
static_assert(everyCodeHasItsText(), "every message code needs its one text, in code order");

// The source text with "%1".."%9" replaced by the arguments at once, so that an argument that
// itself holds "%2" stays as it is.
QString fill(const QString& text, const std::vector<MessageArg>& args) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1) >= QLatin1Char('1') &&
            text.at(i + 1) <= QLatin1Char('9')) {
            const auto n = static_cast<std::size_t>(text.at(i + 1).unicode() - '1');
            if (n < args.size()) {
                const MessageArg& a = args[n];
                out += a.term ? TermText(a.text) : QString::fromStdString(a.text);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace

QString MessageText(const Message& message) {
    const auto i = static_cast<std::size_t>(message.code);
    if (i >= std::size(kSources) || message.code == MessageCode::None)
        return {};
    return fill(QCoreApplication::translate(kContext, kSources[i].text), message.args);
}

QString MessageText(MessageCode code) {
    return MessageText(Message{code, {}});
}

QString MessageText(std::span<const Message> lines) {
    QString text;
    for (const Message& m : lines) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += MessageText(m);
    }
    return text;
}

QString TermText(std::string_view source) {
    const std::string s(source);
    return QCoreApplication::translate(kContext, s.c_str());
}

QString DesignationText(std::string_view designation) {
    // The letters of the standards' series: sloped or parallel inner flanges of a channel
    // ("20У", "20П"), a heavier I-beam or channel ("16а").
    static constexpr const char* kLetters[][2] = {
        QT_TRANSLATE_NOOP3("Messages", "У", "series letter: sloped inner flanges"),
        QT_TRANSLATE_NOOP3("Messages", "П", "series letter: parallel inner flanges"),
        QT_TRANSLATE_NOOP3("Messages", "а", "series letter: a heavier profile"),
    };
    QString out = QString::fromUtf8(designation.data(), static_cast<qsizetype>(designation.size()));
    for (const auto& [source, comment] : kLetters) {
        const QString letter = QString::fromUtf8(source);
        if (out.contains(letter))
            out.replace(letter, QCoreApplication::translate(kContext, source, comment));
    }
    return out;
}

QString CatalogueTitleText(Kind kind, std::string_view designation, std::string_view standard) {
    return TermText(kindInfo(kind).catalogueTitle) + DesignationText(designation) +
           QStringLiteral(", ") + StandardText(standard);
}

std::string MessageString(std::span<const Message> lines) {
    return MessageText(lines).toStdString();
}

std::string MessageString(const Message& message) {
    return MessageText(message).toStdString();
}

} // namespace karo
