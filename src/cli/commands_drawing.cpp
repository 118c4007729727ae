// The drawing commands as karo-cli lists them; their work is done by the programs named.

#include "cli/cli.h"

namespace karo::cli {

void AddDrawingCommands(std::vector<Command>& commands) {
    commands.push_back(
        {"sheet",
         QT_TRANSLATE_NOOP("Cli", "sheet ФАЙЛ.karo -o ЛИСТ.bmp   лист результатов 610×460 в "
                                  "BMP (расширение всегда .bmp)"),
         nullptr, kDrawingProgram});
    commands.push_back(
        {"picture",
         QT_TRANSLATE_NOOP("Cli", "picture ФАЙЛ.karo -o РИСУНОК.png [--properties]   рисунок "
                                  "сечения 390×390; с --properties — тело сечения, "
                                  "центр изгиба и ядро 480×480 (.svg — в SVG)"),
         nullptr, kDrawingProgram});
    commands.push_back(
        {"print",
         QT_TRANSLATE_NOOP("Cli", "print ФАЙЛ.karo -o ЛИСТ.pdf [--copies N] [--dpi D]   печать "
                                  "листа в PDF, по странице на копию (D — точек на "
                                  "дюйм экрана, 96)"),
         nullptr, kPrintingProgram});
    commands.push_back(
        {"report",
         QT_TRANSLATE_NOOP("Cli", "report ФАЙЛ.karo [-o ОТЧЕТ.docx]   ход решения документом "
                                  ".docx (без -o: новый «Отчет N.docx» во временной "
                                  "папке)"),
         nullptr, kDrawingProgram});
}

} // namespace karo::cli
