<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Cli</name>
    <message>
        <source>karo-cli — геометрические характеристики плоских сечений без окна.

Использование:
</source>
        <translation>karo-cli — sectional properties of plane sections, without a window.

Usage:
</translation>
    </message>
    <message>
        <source>Аргумент «--» завершает параметры: имя после него может начинаться с «-».

props: профили, границы которых имеют общий отрезок ненулевой длины, сварены в
одно тело; границы, расходящиеся не более чем на 1e-9 большего габарита
сечения, считаются соприкасающимися; зазор или касание в точке оставляют
отдельные части.

Коды завершения, одни для всех команд:
  0  готово (предупреждения проверок выводятся в stderr);
  2  командная строка или исходные данные отвергнуты: неизвестная команда,
     недостающий или неверный параметр или аргумент; файл, который не является
     принимаемым сечением (не JSON, другой формат, более новая версия, неизвестный
     вид или поле, неверное положение, более 50 профилей, поле, отвергнутое
     проверкой); пустое сечение; профиля нет в сортаменте; размещение, которое
     правила не допускают;
  1  иной сбой: файл не читается или не записывается (нет файла, не обычный файл,
     нет доступа, файл защищён от записи, нет места на диске), арифметическая
     ошибка.
Каждый сбой выводит в stderr строку, которая называет файл так, как он указан.
</source>
        <translation>The argument “--” ends the options: a name after it may begin with “-”.

props: profiles whose boundaries share a segment of non-zero length are welded
into one solid; boundaries no more than 1e-9 of the larger overall size of the
section apart count as touching; a gap or a touch at a point leaves separate
parts.

Exit codes, the same for every command:
  0  done (warnings of the checks go to stderr);
  2  the command line or the input was refused: an unknown command, a missing or
     wrong option or argument; a file that is not an accepted section (not JSON,
     another format, a newer version, an unknown kind or field, a wrong
     orientation, more than 50 profiles, a field refused by a check); an empty
     section; a profile not in the catalogue; a placement the rules do not
     allow;
  1  any other failure: a file cannot be read or written (no such file, not a
     regular file, no access, the file is write-protected, no space left on the
     disk), an arithmetic error.
Every failure writes a line to stderr that names the file as it was given.
</translation>
    </message>
    <message>
        <source>solve ФАЙЛ.karo [--json]   тринадцать результатов (--json: все значения с полной точностью)</source>
        <translation>solve FILE.karo [--json]   the thirteen results (--json: every value at full precision)</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>option %1 is given twice</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>не указан выходной файл (-o)</source>
        <translation>no output file given (-o)</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation>unexpected argument “%1”</translation>
    </message>
    <message>
        <source>не указан %1</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <source>karo-cli: неизвестная команда «%1» (см. karo-cli --help)</source>
        <translation>karo-cli: unknown command “%1” (see karo-cli --help)</translation>
    </message>
    <message>
        <source>файл сечения</source>
        <translation>section file</translation>
    </message>
    <message>
        <source>нет сортамента для вида «%1» (есть Dt, Sh, Un, Ur)</source>
        <translation>no catalogue for the kind “%1” (there are Dt, Sh, Un, Ur)</translation>
    </message>
    <message>
        <source>уклон</source>
        <translation>slope</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>расчётные значения</source>
        <translation>computed values</translation>
    </message>
    <message>
        <source>вид</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>обозначение</source>
        <translation>designation</translation>
    </message>
    <message>
        <source>--orientation относится к профилю: укажите вид и обозначение</source>
        <translation>--orientation belongs to a profile: give the kind and the designation</translation>
    </message>
    <message>
        <source>положение «%1» вне 1..%2 для вида %3</source>
        <translation>orientation “%1” is outside 1..%2 for the kind %3</translation>
    </message>
    <message>
        <source>профиля «%1» нет в сортаменте вида %2</source>
        <translation>the profile “%1” is not in the catalogue of the kind %2</translation>
    </message>
    <message>
        <source>Ближайшие:</source>
        <translation>Nearest:</translation>
    </message>
    <message>
        <source>catalogue [ВИД]   профили сортамента: ВИД, ГОСТ, обозначение, размеры (ВИД: Dt, Sh, Un, Ur)
  karo-cli catalogue ВИД ОБОЗНАЧЕНИЕ [--orientation N]   тексты полей, которые заполняет выбор профиля в положении N (по умолчанию начальное)</source>
        <translation>catalogue [KIND]   the catalogue&apos;s profiles: KIND, GOST, designation, dimensions (KIND: Dt, Sh, Un, Ur)
  karo-cli catalogue KIND DESIGNATION [--orientation N]   the field texts that picking the profile in orientation N fills in (by default the initial one)</translation>
    </message>
    <message>
        <source>sheet ФАЙЛ.karo -o ЛИСТ.bmp   лист результатов 610×460 в BMP (расширение всегда .bmp)</source>
        <translation>sheet FILE.karo -o SHEET.bmp   the result sheet, 610×460, as BMP (the extension is always .bmp)</translation>
    </message>
    <message>
        <source>picture ФАЙЛ.karo -o РИСУНОК.png [--properties]   рисунок сечения 390×390; с --properties — тело сечения, центр изгиба и ядро 480×480 (.svg — в SVG)</source>
        <translation>picture FILE.karo -o PICTURE.png [--properties]   the section picture, 390×390; with --properties the solid section, shear centre and kern, 480×480 (.svg: as SVG)</translation>
    </message>
    <message>
        <source>print ФАЙЛ.karo -o ЛИСТ.pdf [--copies N] [--dpi D]   печать листа в PDF, по странице на копию (D — точек на дюйм экрана, 96)</source>
        <translation>print FILE.karo -o SHEET.pdf [--copies N] [--dpi D]   the sheet printed to PDF, a page per copy (D: the screen&apos;s dots per inch, 96)</translation>
    </message>
    <message>
        <source>report ФАЙЛ.karo [-o ОТЧЕТ.docx]   ход решения документом .docx (без -o: новый «Отчет N.docx» во временной папке)</source>
        <translation>report FILE.karo [-o REPORT.docx]   the worked solution as a .docx document (without -o: a new “Report N.docx” in the temporary folder)</translation>
    </message>
    <message>
        <source>профиль ВИД:N</source>
        <translation>profile KIND:N</translation>
    </message>
    <message>
        <source>«%1» — не профиль ВИД:N (ВИД: Dt, Sh, Un, Ur, List)</source>
        <translation>“%1” is not a profile KIND:N (KIND: Dt, Sh, Un, Ur, List)</translation>
    </message>
    <message>
        <source>не указан профиль, к которому приставить (--to ВИД:M)</source>
        <translation>no profile to place against (--to KIND:M)</translation>
    </message>
    <message>
        <source>«%1» — не профиль ВИД:M (ВИД: Dt, Sh, Un, Ur, List)</source>
        <translation>“%1” is not a profile KIND:M (KIND: Dt, Sh, Un, Ur, List)</translation>
    </message>
    <message>
        <source>не указана сторона (--side left|right|above|below)</source>
        <translation>no side given (--side left|right|above|below)</translation>
    </message>
    <message>
        <source>неизвестная сторона «%1» (left, right, above, below)</source>
        <translation>unknown side “%1” (left, right, above, below)</translation>
    </message>
    <message>
        <source>неизвестное выравнивание «%1» (top, middle, bottom, left, right, centroid)</source>
        <translation>unknown alignment “%1” (top, middle, bottom, left, right, centroid)</translation>
    </message>
    <message>
        <source>--align %1 не подходит к --side %2 (подходят %3)</source>
        <translation>--align %1 does not fit --side %2 (these fit: %3)</translation>
    </message>
    <message>
        <source>Не удалось сохранить «%1»: %2.</source>
        <translation>Could not save “%1”: %2.</translation>
    </message>
    <message>
        <source>place ФАЙЛ.karo ВИД:N --to ВИД:M --side left|right|above|below
      [--align top|middle|bottom|left|right|centroid] [--gap СМ] [-o ВЫХОД.karo]
      приставить профиль N к профилю M: задать его Xc и Yc (по умолчанию
      --align middle, --gap 0; зазор от 0 до 1000 см; без -o файл сохраняется
      на месте);
      например: karo-cli place sec.karo List:1 --to Dt:1 --side above</source>
        <translation>place FILE.karo KIND:N --to KIND:M --side left|right|above|below
      [--align top|middle|bottom|left|right|centroid] [--gap CM] [-o OUTPUT.karo]
      place profile N against profile M: set its Xc and Yc (by default
      --align middle, --gap 0; a gap from 0 to 1000 cm; without -o the file is
      saved in place);
      for example: karo-cli place sec.karo List:1 --to Dt:1 --side above</translation>
    </message>
    <message>
        <source>extents ФАЙЛ.karo   границы каждого профиля: ВИД:N, слева, справа, снизу, сверху (см);
      например: karo-cli extents sec.karo</source>
        <translation>extents FILE.karo   the bounds of every profile: KIND:N, left, right, bottom, top (cm);
      for example: karo-cli extents sec.karo</translation>
    </message>
    <message>
        <source>--copies ждёт целое число от 1 до 999</source>
        <translation>--copies expects a whole number from 1 to 999</translation>
    </message>
    <message>
        <source>--dpi ждёт число от %1 до %2</source>
        <translation>--dpi expects a number from %1 to %2</translation>
    </message>
    <message>
        <source>Центр изгиба xs, ys и секториальный момент инерции Iw не определены: сечение состоит из отдельных частей</source>
        <translation>Shear centre xs, ys and warping constant Iw not determined: the section consists of separate parts</translation>
    </message>
    <message>
        <source>Вершины ядра сечения от центра тяжести (x; y), см:</source>
        <translation>Kern vertices from the centroid (x; y), cm:</translation>
    </message>
    <message>
        <source>Отдельных частей: %1, замкнутых контуров: %2</source>
        <translation>Separate parts: %1, closed cells: %2</translation>
    </message>
    <message>
        <source>Сетка: %1 квадратичных треугольников, %2 узлов</source>
        <translation>Mesh: %1 quadratic triangles, %2 nodes</translation>
    </message>
    <message>
        <source>; изменение It на последнем шаге %1</source>
        <translation>; change of It in the last step %1</translation>
    </message>
    <message>
        <source>Внимание: It не установился до точности %1 — сетка достигла предельного размера</source>
        <translation>Warning: It did not settle to the accuracy %1: the mesh reached its size limit</translation>
    </message>
    <message>
        <source>: профиля нет в сортаменте — очертание без закруглений</source>
        <translation>: the profile is not in the catalogue, outline without fillets</translation>
    </message>
    <message>
        <source>props ФАЙЛ.karo [--json]   сдвиг, пластичность, кручение, центр изгиба, ядро по действительным очертаниям профилей</source>
        <translation>props FILE.karo [--json]   shear, plastic bending, torsion, shear centre, kern from the profiles&apos; true outlines</translation>
    </message>
    <message>
        <source>Не удалось закодировать рисунок в PNG.</source>
        <translation>Could not encode the picture as PNG.</translation>
    </message>
    <message>
        <source>karo-cli: программа рисования «%1» не запускается: %2</source>
        <translation>karo-cli: the drawing program “%1” does not start: %2</translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Файл «%1» уже существует.
Заменить его?</source>
        <translation>File “%1” already exists.
Replace it?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Внимание!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Ошибка в исходных данных.</source>
        <translation>Error in the input data.</translation>
    </message>
    <message>
        <source>%1 %2: ожидается число; дробная часть отделяется точкой.</source>
        <translation>%1 %2: a number is expected, with a point before its decimals.</translation>
    </message>
    <message>
        <source>%1 %2: ожидается число больше нуля; дробная часть отделяется точкой.</source>
        <translation>%1 %2: a number greater than zero is expected, with a point before its decimals.</translation>
    </message>
    <message>
        <source>%1 %2: ожидается число больше нуля.</source>
        <translation>%1 %2: a number greater than zero is expected.</translation>
    </message>
    <message>
        <source>%1 %2 должен быть меньше меньшего из Ix и Iy.</source>
        <translation>%1 %2 must be less than the smaller of Ix and Iy.</translation>
    </message>
    <message>
        <source>Ширина полки b не меньше высоты h.</source>
        <translation>Flange width b is not less than height h.</translation>
    </message>
    <message>
        <source>При стенке вдоль оси y&apos; момент инерции Iy не меньше Ix.</source>
        <translation>With the web along the y&apos; axis, moment of inertia Iy is not less than Ix.</translation>
    </message>
    <message>
        <source>При стенке вдоль оси x&apos; момент инерции Ix не меньше Iy.</source>
        <translation>With the web along the x&apos; axis, moment of inertia Ix is not less than Iy.</translation>
    </message>
    <message>
        <source>Расстояние до центра тяжести Zo не меньше ширины полки b.</source>
        <translation>Distance to the centroid Zo is not less than flange width b.</translation>
    </message>
    <message>
        <source>Ширина меньшей полки b не меньше ширины большей полки B.</source>
        <translation>Short leg width b is not less than long leg width B.</translation>
    </message>
    <message>
        <source>Толщина полки d не меньше ширины меньшей полки b.</source>
        <translation>Leg thickness d is not less than short leg width b.</translation>
    </message>
    <message>
        <source>Минимальный главный момент инерции Iu не меньше Ix.</source>
        <translation>Minimum principal moment of inertia Iu is not less than Ix.</translation>
    </message>
    <message>
        <source>Минимальный главный момент инерции Iu не меньше Iy.</source>
        <translation>Minimum principal moment of inertia Iu is not less than Iy.</translation>
    </message>
    <message>
        <source>Толщина полки d не меньше расстояния Xo.</source>
        <translation>Leg thickness d is not less than distance Xo.</translation>
    </message>
    <message>
        <source>Толщина полки d не меньше расстояния Yo.</source>
        <translation>Leg thickness d is not less than distance Yo.</translation>
    </message>
    <message>
        <source>Расстояние Xo не меньше ширины меньшей полки b.</source>
        <translation>Distance Xo is not less than short leg width b.</translation>
    </message>
    <message>
        <source>Расстояние Yo не меньше ширины меньшей полки b.</source>
        <translation>Distance Yo is not less than short leg width b.</translation>
    </message>
    <message>
        <source>При большей полке вдоль оси y&apos; момент инерции Iy не меньше Ix.</source>
        <translation>With the long leg along the y&apos; axis, moment of inertia Iy is not less than Ix.</translation>
    </message>
    <message>
        <source>При большей полке вдоль оси x&apos; момент инерции Ix не меньше Iy.</source>
        <translation>With the long leg along the x&apos; axis, moment of inertia Ix is not less than Iy.</translation>
    </message>
    <message>
        <source>При большей полке вдоль оси y&apos; расстояние Xo не меньше Yo.</source>
        <translation>With the long leg along the y&apos; axis, distance Xo is not less than Yo.</translation>
    </message>
    <message>
        <source>При большей полке вдоль оси x&apos; расстояние Yo не меньше Xo.</source>
        <translation>With the long leg along the x&apos; axis, distance Yo is not less than Xo.</translation>
    </message>
    <message>
        <source>Толщина полки d не меньше ширины полки b.</source>
        <translation>Leg thickness d is not less than leg width b.</translation>
    </message>
    <message>
        <source>Толщина полки d не меньше расстояния до центра тяжести Zo.</source>
        <translation>Leg thickness d is not less than distance to the centroid Zo.</translation>
    </message>
    <message>
        <source>В сечении нет профиля «%1 %2».</source>
        <translation>The section has no profile “%1 %2”.</translation>
    </message>
    <message>
        <source>В сечении нет другого профиля, к которому можно приставить.</source>
        <translation>The section has no other profile to attach to.</translation>
    </message>
    <message>
        <source>Профиль нельзя приставить к самому себе.</source>
        <translation>A profile cannot be attached to itself.</translation>
    </message>
    <message>
        <source>У профиля «%1 %2» заданы не все значения.</source>
        <translation>Profile “%1 %2” lacks some of its values.</translation>
    </message>
    <message>
        <source>Выравнивание «%1» не подходит к стороне «%2».</source>
        <translation>Alignment “%1” does not suit side “%2”.</translation>
    </message>
    <message>
        <source>Зазор — число сантиметров от 0 до %1.</source>
        <translation>The gap is a number of centimetres from 0 to %1.</translation>
    </message>
    <message>
        <source>нет такого файла или папки</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>слишком много символических ссылок</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>слишком много открытых файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>недостаточно памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>файлы на разных дисках</source>
        <translation>the files are on different disks</translation>
    </message>
    <message>
        <source>нет такого устройства</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>Площадь сечения слишком мала.</source>
        <translation>The area of the section is too small.</translation>
    </message>
    <message>
        <source>В сечении нет ни одного профиля.</source>
        <translation>The section has no profiles.</translation>
    </message>
    <message>
        <source>Сечение не имеет площади.</source>
        <translation>The section has no area.</translation>
    </message>
    <message>
        <source>%1 %2: толщины стенки и полок неизвестны — выберите профиль из сортамента</source>
        <translation>%1 %2: the web and flange thicknesses are unknown — choose the profile from the catalogue</translation>
    </message>
    <message>
        <source>Арифметическая ошибка при расчёте свойств сечения.</source>
        <translation>Arithmetic error while computing the section properties.</translation>
    </message>
    <message>
        <source>текст оборван</source>
        <translation>the text breaks off</translation>
    </message>
    <message>
        <source>пропущен разделитель</source>
        <translation>a separator is missing</translation>
    </message>
    <message>
        <source>недопустимое значение</source>
        <translation>illegal value</translation>
    </message>
    <message>
        <source>слишком глубокая вложенность</source>
        <translation>nesting too deep</translation>
    </message>
    <message>
        <source>документ слишком велик</source>
        <translation>the document is too large</translation>
    </message>
    <message>
        <source>лишний текст в конце</source>
        <translation>extra text at the end</translation>
    </message>
    <message>
        <source>ошибка разбора</source>
        <translation>parse error</translation>
    </message>
    <message>
        <source>Файл «%1»: %2</source>
        <translation>File “%1”: %2</translation>
    </message>
    <message>
        <source>%1: ожидается объект</source>
        <translation>%1: an object is expected</translation>
    </message>
    <message>
        <source>%1: неизвестное поле «%2»</source>
        <translation>%1: unknown field “%2”</translation>
    </message>
    <message>
        <source>%1: положение вне диапазона 1..%2</source>
        <translation>%1: position out of the range 1..%2</translation>
    </message>
    <message>
        <source>%1: «entries» должен быть списком</source>
        <translation>%1: “entries” must be a list</translation>
    </message>
    <message>
        <source>%1: больше %2 профилей</source>
        <translation>%1: more than %2 profiles</translation>
    </message>
    <message>
        <source>%1: номер показанного профиля вне диапазона</source>
        <translation>%1: the number of the profile on show is out of range</translation>
    </message>
    <message>
        <source>%1: ожидается число или текст</source>
        <translation>%1: a number or a text is expected</translation>
    </message>
    <message>
        <source>%1 Файл «%2»: %3.
%4</source>
        <translation>%1 File “%2”: %3.
%4</translation>
    </message>
    <message>
        <source>не JSON (%1, позиция %2)</source>
        <translation>not JSON (%1, position %2)</translation>
    </message>
    <message>
        <source>не файл сечения</source>
        <translation>not a section file</translation>
    </message>
    <message>
        <source>неизвестное поле «%1»</source>
        <translation>unknown field “%1”</translation>
    </message>
    <message>
        <source>не файл сечения (формат «%1»)</source>
        <translation>not a section file (format “%1”)</translation>
    </message>
    <message>
        <source>неверная версия формата</source>
        <translation>wrong format version</translation>
    </message>
    <message>
        <source>версия %1 новее, чем понимает программа (%2)</source>
        <translation>version %1 is newer than the program understands (%2)</translation>
    </message>
    <message>
        <source>«kinds» должен быть объектом</source>
        <translation>“kinds” must be an object</translation>
    </message>
    <message>
        <source>неизвестный вид профиля «%1»</source>
        <translation>unknown profile kind “%1”</translation>
    </message>
    <message>
        <source>%1, профиль %2</source>
        <translation>%1, profile %2</translation>
    </message>
    <message>
        <source>%1, профиль %2, поле %3</source>
        <translation>%1, profile %2, field %3</translation>
    </message>
    <message>
        <source>Предупреждение: %1. %2</source>
        <translation>Warning: %1. %2</translation>
    </message>
    <message>
        <source>Не удается прочитать файл «%1»: %2.</source>
        <translation>Cannot read file “%1”: %2.</translation>
    </message>
    <message>
        <source>Ширина полки</source>
        <translation>Flange width</translation>
    </message>
    <message>
        <source>Высота</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Площадь сечения</source>
        <translation>Cross-sectional area</translation>
    </message>
    <message>
        <source>Момент инерции</source>
        <translation>Moment of inertia</translation>
    </message>
    <message>
        <source>Расстояние до центра тяжести</source>
        <translation>Distance to the centroid</translation>
    </message>
    <message>
        <source>Координата центра тяжести</source>
        <translation>Centroid coordinate</translation>
    </message>
    <message>
        <source>Толщина полки</source>
        <translation>Leg thickness</translation>
    </message>
    <message>
        <source>Минимальный главный момент инерции</source>
        <translation>Minimum principal moment of inertia</translation>
    </message>
    <message>
        <source>Ширина большей полки</source>
        <translation>Long leg width</translation>
    </message>
    <message>
        <source>Ширина меньшей полки</source>
        <translation>Short leg width</translation>
    </message>
    <message>
        <source>Ширина</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Двутавр</source>
        <translation>I-beam</translation>
    </message>
    <message>
        <source>Двутавр № </source>
        <translation>I-beam No. </translation>
    </message>
    <message>
        <source>Двутавр №</source>
        <translation>I-beam No. </translation>
    </message>
    <message>
        <source>Швеллер</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Швеллер № </source>
        <translation>Channel No. </translation>
    </message>
    <message>
        <source>Швеллер №</source>
        <translation>Channel No. </translation>
    </message>
    <message>
        <source>20У</source>
        <translation>20U</translation>
    </message>
    <message>
        <source>Уголок неравнополочный</source>
        <translation>Unequal-leg angle</translation>
    </message>
    <message>
        <source>Уголок неравнополочный </source>
        <translation>Unequal-leg angle </translation>
    </message>
    <message>
        <source>Уголок </source>
        <translation>Angle </translation>
    </message>
    <message>
        <source>Уголок равнополочный</source>
        <translation>Equal-leg angle</translation>
    </message>
    <message>
        <source>Уголок равнополочный </source>
        <translation>Equal-leg angle </translation>
    </message>
    <message>
        <source>Лист</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>Лист </source>
        <translation>Plate </translation>
    </message>
    <message>
        <source>слева</source>
        <translation>left</translation>
    </message>
    <message>
        <source>справа</source>
        <translation>right</translation>
    </message>
    <message>
        <source>сверху</source>
        <translation>above</translation>
    </message>
    <message>
        <source>снизу</source>
        <translation>below</translation>
    </message>
    <message>
        <source>по верху</source>
        <translation>top</translation>
    </message>
    <message>
        <source>по середине</source>
        <translation>middle</translation>
    </message>
    <message>
        <source>по низу</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>по левому краю</source>
        <translation>left edge</translation>
    </message>
    <message>
        <source>по правому краю</source>
        <translation>right edge</translation>
    </message>
    <message>
        <source>по центру тяжести</source>
        <translation>centroid</translation>
    </message>
    <message>
        <source>см.</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Осевой момент инерции</source>
        <translation>Axial moment of inertia</translation>
    </message>
    <message>
        <source>Центробежный момент инерции</source>
        <translation>Product of inertia</translation>
    </message>
    <message>
        <source>Угол поворота главных осей</source>
        <translation>Angle of the principal axes</translation>
    </message>
    <message>
        <source>Максимальный главный момент инерции</source>
        <translation>Maximum principal moment of inertia</translation>
    </message>
    <message>
        <source>Минимальный радиус инерции</source>
        <translation>Minimum radius of gyration</translation>
    </message>
    <message>
        <source>Максимальный радиус инерции</source>
        <translation>Maximum radius of gyration</translation>
    </message>
    <message>
        <source>Момент сопротивления</source>
        <translation>Section modulus</translation>
    </message>
    <message>
        <source>У</source>
        <comment>series letter: sloped inner flanges</comment>
        <translation>U</translation>
    </message>
    <message>
        <source>П</source>
        <comment>series letter: parallel inner flanges</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>а</source>
        <comment>series letter: a heavier profile</comment>
        <translation>a</translation>
    </message>
</context>
<context>
    <name>PropertiesTable</name>
    <message>
        <source>По контурам профилей</source>
        <translation>From the profiles&apos; outlines</translation>
    </message>
    <message>
        <source>Сдвиг</source>
        <translation>Shear</translation>
    </message>
    <message>
        <source>Пластический изгиб</source>
        <translation>Plastic bending</translation>
    </message>
    <message>
        <source>Кручение</source>
        <translation>Torsion</translation>
    </message>
    <message>
        <source>Ядро сечения</source>
        <translation>Kern of the section</translation>
    </message>
    <message>
        <source>Не определён: сечение состоит из отдельных частей</source>
        <translation>Not determined: the section consists of separate parts</translation>
    </message>
    <message>
        <source>Расстояние от центра тяжести до границы ядра: сила, приложенная внутри ядра, вызывает напряжения одного знака по всему сечению</source>
        <translation>Distance from the centroid to the boundary of the kern: a force applied inside the kern causes stresses of one sign over the whole section</translation>
    </message>
    <message>
        <source>Точка, через которую должна проходить поперечная сила, чтобы сечение не закручивалось</source>
        <translation>The point through which a transverse force must pass so that the section does not twist</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>см²</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>см³</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>см⁴</source>
        <translation>cm⁴</translation>
    </message>
    <message>
        <source>см⁶</source>
        <translation>cm⁶</translation>
    </message>
    <message>
        <source>Площадь</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Площадь сечения по очертаниям профилей</source>
        <translation>Area of the section from the profiles&apos; outlines</translation>
    </message>
    <message>
        <source>Абсцисса центра тяжести</source>
        <translation>Centroid abscissa</translation>
    </message>
    <message>
        <source>Координата центра тяжести в осях сечения</source>
        <translation>Coordinate of the centroid in the section&apos;s axes</translation>
    </message>
    <message>
        <source>Ордината центра тяжести</source>
        <translation>Centroid ordinate</translation>
    </message>
    <message>
        <source>Осевой момент инерции</source>
        <translation>Moment of inertia</translation>
    </message>
    <message>
        <source>∫y² dA относительно центральной оси x</source>
        <translation>∫y² dA about the central axis x</translation>
    </message>
    <message>
        <source>∫x² dA относительно центральной оси y</source>
        <translation>∫x² dA about the central axis y</translation>
    </message>
    <message>
        <source>Центробежный момент инерции</source>
        <translation>Product of inertia</translation>
    </message>
    <message>
        <source>∫x·y dA в центральных осях</source>
        <translation>∫x·y dA in the central axes</translation>
    </message>
    <message>
        <source>Главный момент инерции</source>
        <translation>Principal moment of inertia</translation>
    </message>
    <message>
        <source>Минимальный главный момент инерции</source>
        <translation>Minimum principal moment of inertia</translation>
    </message>
    <message>
        <source>Максимальный главный момент инерции</source>
        <translation>Maximum principal moment of inertia</translation>
    </message>
    <message>
        <source>Угол наклона главных осей</source>
        <translation>Inclination of the principal axes</translation>
    </message>
    <message>
        <source>Угол поворота главных осей от оси x против часовой стрелки</source>
        <translation>Angle of the principal axes from the x axis, counter-clockwise</translation>
    </message>
    <message>
        <source>Радиус инерции</source>
        <translation>Radius of gyration</translation>
    </message>
    <message>
        <source>Статический момент отсечённой части</source>
        <translation>First moment of the cut-off part</translation>
    </message>
    <message>
        <source>Наибольший статический момент части сечения по одну сторону от оси x: он входит в касательное напряжение τ = Q·S / (I·t)</source>
        <translation>Largest first moment of the part of the section on one side of the x axis: it enters the shear stress τ = Q·S / (I·t)</translation>
    </message>
    <message>
        <source>Наибольший статический момент части сечения по одну сторону от оси y</source>
        <translation>Largest first moment of the part of the section on one side of the y axis</translation>
    </message>
    <message>
        <source>Пластический момент сопротивления</source>
        <translation>Plastic section modulus</translation>
    </message>
    <message>
        <source>Сумма статических моментов половин площади относительно оси, делящей площадь пополам, параллельной x</source>
        <translation>Sum of the first moments of the two halves of the area about the axis parallel to x that halves the area</translation>
    </message>
    <message>
        <source>То же для оси, параллельной y</source>
        <translation>The same for the axis parallel to y</translation>
    </message>
    <message>
        <source>Ось, делящая площадь пополам, от центра тяжести</source>
        <translation>Equal-area axis from the centroid</translation>
    </message>
    <message>
        <source>Пластическая нейтральная ось при изгибе в плоскости y</source>
        <translation>Plastic neutral axis in bending in the y plane</translation>
    </message>
    <message>
        <source>Пластическая нейтральная ось при изгибе в плоскости x</source>
        <translation>Plastic neutral axis in bending in the x plane</translation>
    </message>
    <message>
        <source>Коэффициент формы</source>
        <translation>Shape factor</translation>
    </message>
    <message>
        <source>Запас пластического изгиба: W_x = I_x / наибольшее расстояние до оси x</source>
        <translation>Plastic reserve in bending: W_x = I_x / largest distance from the x axis</translation>
    </message>
    <message>
        <source>Запас пластического изгиба: W_y = I_y / наибольшее расстояние до оси y</source>
        <translation>Plastic reserve in bending: W_y = I_y / largest distance from the y axis</translation>
    </message>
    <message>
        <source>Момент инерции при кручении</source>
        <translation>Torsion constant</translation>
    </message>
    <message>
        <source>Жёсткость свободного кручения, по методу конечных элементов</source>
        <translation>Stiffness in free (St Venant) torsion, by the finite element method</translation>
    </message>
    <message>
        <source>Секториальный момент инерции</source>
        <translation>Warping constant</translation>
    </message>
    <message>
        <source>Жёсткость стеснённого кручения (депланации)</source>
        <translation>Stiffness in restrained torsion (warping)</translation>
    </message>
    <message>
        <source>Центр изгиба от центра тяжести</source>
        <translation>Shear centre from the centroid</translation>
    </message>
    <message>
        <source>Ядро сечения по оси +u</source>
        <translation>Kern along the axis +u</translation>
    </message>
    <message>
        <source>Ядро сечения по оси −u</source>
        <translation>Kern along the axis −u</translation>
    </message>
    <message>
        <source>Ядро сечения по оси +v</source>
        <translation>Kern along the axis +v</translation>
    </message>
    <message>
        <source>Ядро сечения по оси −v</source>
        <translation>Kern along the axis −v</translation>
    </message>
    <message>
        <source>S — центр изгиба</source>
        <translation>S — shear centre</translation>
    </message>
    <message>
        <source>%1 от вкладки результатов: %2</source>
        <translation>%1 from the results tab: %2</translation>
    </message>
    <message>
        <source>профили перекрываются, общая площадь учтена один раз</source>
        <translation>the profiles overlap, the shared area is counted once</translation>
    </message>
    <message>
        <source>округление табличных значений сортамента</source>
        <translation>rounding of the catalogue&apos;s tabulated values</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Обозначение</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source> см.</source>
        <comment>before its power</comment>
        <translation> cm</translation>
    </message>
    <message>
        <source> см.</source>
        <translation> cm.</translation>
    </message>
    <message>
        <source>Ни один профиль не пересекает ось x, поэтому статический момент отсечённой части равен сумме по профилям выше оси:</source>
        <translation>No profile crosses the x axis, so the first moment of the cut-off part is the sum over the profiles above the axis:</translation>
    </message>
    <message>
        <source>Ядро сечения: k = W / A = I / (A·e), где e — расстояние до наиболее удалённой точки по другую сторону от центра тяжести:</source>
        <translation>Kern of the section: k = W / A = I / (A·e), where e is the distance to the farthest point on the other side of the centroid:</translation>
    </message>
    <message>
        <source>%1 %2: толщины стенки и полок неизвестны — профиль не из сортамента</source>
        <translation>%1 %2: the web and flange thicknesses are unknown, the profile is not from the catalogue</translation>
    </message>
    <message>
        <source>сечение не имеет площади</source>
        <translation>the section has no area</translation>
    </message>
    <message>
        <source>арифметическая ошибка при расчёте свойств сечения</source>
        <translation>an arithmetic error while computing the section&apos;s properties</translation>
    </message>
    <message>
        <source>Дополнительные характеристики:</source>
        <translation>Further properties:</translation>
    </message>
    <message>
        <source>Дополнительные характеристики не вычислены: %1.</source>
        <translation>The further properties were not computed: %1.</translation>
    </message>
    <message>
        <source>Здесь сечение представлено действительными очертаниями профилей по их стандартам (с уклонами полок и закруглениями). Профили, границы которых имеют общий отрезок, сварены в одно тело, перекрытия учтены один раз. Получено отдельных частей: %1, замкнутых контуров: %2.</source>
        <translation>Here the section is represented by the true outlines of the profiles after their standards (with flange slopes and fillets). Profiles whose boundaries share a segment are welded into one solid; overlaps are counted once. Separate parts: %1, closed cells: %2.</translation>
    </message>
    <message>
        <source>Момент инерции при кручении, центр изгиба и секториальный момент инерции найдены методом конечных элементов: сетка сгущалась, пока I</source>
        <translation>The torsion constant, the shear centre and the warping constant were found by the finite element method: the mesh was refined until I</translation>
    </message>
    <message>
        <source> не перестал меняться. Последняя сетка — %1 квадратичных треугольников, %2 узлов; изменение I</source>
        <translation> stopped changing. The last mesh has %1 quadratic triangles and %2 nodes; the change of I</translation>
    </message>
    <message>
        <source> на последнем шаге %1, то есть погрешность около %2</source>
        <translation> in the last step was %1, an error of about %2</translation>
    </message>
    <message>
        <source> Точность %1 не достигнута.</source>
        <translation> The accuracy %1 was not reached.</translation>
    </message>
    <message>
        <source>%1 %2: профиля нет в сортаменте — очертание без закруглений.</source>
        <translation>%1 %2: the profile is not in the catalogue, outline without fillets.</translation>
    </message>
    <message>
        <source>Тело сечения, его оси, центр изгиба S и ядро сечения (оранжевое):</source>
        <translation>The solid section, its axes, the shear centre S and the kern of the section (orange):</translation>
    </message>
    <message>
        <source>Не удалось сохранить рисунок в формате PNG.</source>
        <translation>Could not save the picture as PNG.</translation>
    </message>
    <message>
        <source>Рисунок %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>Не удалось собрать документ: %1</source>
        <translation>Could not assemble the document: %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2.</source>
        <translation>Could not write the file “%1”: %2.</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Геометрические характеристики отдельных профилей:</source>
        <translation>Geometric properties of the individual profiles:</translation>
    </message>
    <message>
        <source> мм.</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>площадь A = </source>
        <translation>area A = </translation>
    </message>
    <message>
        <source>.,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>моменты инерции:</source>
        <translation>moments of inertia:</translation>
    </message>
    <message>
        <source>главные моменты инерции:</source>
        <translation>principal moments of inertia:</translation>
    </message>
    <message>
        <source>., </source>
        <translation>, </translation>
    </message>
    <message>
        <source>центробежный момент инерции</source>
        <translation>product of inertia</translation>
    </message>
    <message>
        <source>расстояние до центра тяжести</source>
        <translation>distance to the centroid</translation>
    </message>
    <message>
        <source> см.,</source>
        <translation> cm,</translation>
    </message>
    <message>
        <source>угол наклона главных осей:</source>
        <translation>inclination of the principal axes:</translation>
    </message>
    <message>
        <source>tg</source>
        <translation>tan</translation>
    </message>
    <message>
        <source>расстояния до центра тяжести:</source>
        <translation>distances to the centroid:</translation>
    </message>
    <message>
        <source>высота h = </source>
        <translation>height h = </translation>
    </message>
    <message>
        <source>ширина полки b = </source>
        <translation>flange width b = </translation>
    </message>
    <message>
        <source>ширина b = </source>
        <translation>width b = </translation>
    </message>
    <message>
        <source>координаты центра тяжести в общей системе координат x&apos;y&apos;:</source>
        <translation>centroid coordinates in the common coordinate system x&apos;y&apos;:</translation>
    </message>
    <message>
        <source>Координаты центра тяжести всего сечения в общей системе координат x&apos;y&apos;:</source>
        <translation>Centroid coordinates of the whole section in the common coordinate system x&apos;y&apos;:</translation>
    </message>
    <message>
        <source>Вводим центральную систему координат xy.</source>
        <translation>We introduce the central coordinate system xy.</translation>
    </message>
    <message>
        <source>Координаты центра тяжести отдельных профилей в центральной системе координат:</source>
        <translation>Centroid coordinates of the individual profiles in the central coordinate system:</translation>
    </message>
    <message>
        <source>Моменты инерции в центральной системе координат:</source>
        <translation>Moments of inertia in the central coordinate system:</translation>
    </message>
    <message>
        <source>Угол поворота главных осей:</source>
        <translation>Angle of rotation of the principal axes:</translation>
    </message>
    <message>
        <source>Главные оси uv совпадают с центральными xy.</source>
        <translation>The principal axes uv coincide with the central axes xy.</translation>
    </message>
    <message>
        <source>Главные оси uv повернуты по отношению к центральным xy против часовой стрелки.</source>
        <translation>The principal axes uv are rotated counter-clockwise from the central axes xy.</translation>
    </message>
    <message>
        <source>Главные оси uv повернуты по отношению к центральным xy по часовой стрелке.</source>
        <translation>The principal axes uv are rotated clockwise from the central axes xy.</translation>
    </message>
    <message>
        <source>Главные моменты инерции:</source>
        <translation>Principal moments of inertia:</translation>
    </message>
    <message>
        <source>Главные радиусы инерции:</source>
        <translation>Principal radii of gyration:</translation>
    </message>
    <message>
        <source>Здесь A = </source>
        <translation>Here A = </translation>
    </message>
    <message>
        <source> - площадь всего сечения.</source>
        <translation> is the area of the whole section.</translation>
    </message>
    <message>
        <source>Зная радиусы инерции, строим эллипс инерции. Его уравнение:</source>
        <translation>From the radii of gyration we draw the ellipse of inertia. Its equation:</translation>
    </message>
    <message>
        <source>Моменты сопротивления:</source>
        <translation>Section moduli:</translation>
    </message>
    <message>
        <source>Здесь:</source>
        <translation>Here:</translation>
    </message>
    <message>
        <source> - расстояние от центра тяжести до наиболее удаленной точки сечения по оси u (красная).</source>
        <translation> is the distance from the centroid to the farthest point of the section along the u axis (red).</translation>
    </message>
    <message>
        <source> - расстояние от центра тяжести до наиболее удаленной точки сечения по оси v (синяя).</source>
        <translation> is the distance from the centroid to the farthest point of the section along the v axis (blue).</translation>
    </message>
    <message>
        <source>Здесь x и y координаты наиболее удаленных точек в центральной системе координат.</source>
        <translation>Here x and y are the coordinates of the farthest points in the central coordinate system.</translation>
    </message>
    <message>
        <source>Для заданного составного сечения необходимо определить:</source>
        <translation>For the given composite section, determine:</translation>
    </message>
    <message>
        <source>- положение центра тяжести,</source>
        <translation>- the position of the centroid,</translation>
    </message>
    <message>
        <source>- положение главных центральных осей,</source>
        <translation>- the position of the principal central axes,</translation>
    </message>
    <message>
        <source>- главные моменты инерции,</source>
        <translation>- the principal moments of inertia,</translation>
    </message>
    <message>
        <source>- главные радиусы инерции,</source>
        <translation>- the principal radii of gyration,</translation>
    </message>
    <message>
        <source>- моменты сопротивления.</source>
        <translation>- the section moduli.</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Не удалось создать файл отчета в папке «%1»: %2.</source>
        <translation>Could not create the report file in the folder “%1”: %2.</translation>
    </message>
    <message>
        <source>Создание отчета невозможно.</source>
        <translation>The report cannot be created.</translation>
    </message>
    <message>
        <source>Отчет записан в файл «%1».
Он открывается в текстовом процессоре, например в LibreOffice Writer.</source>
        <translation>The report was written to the file “%1”.
It opens in a word processor, LibreOffice Writer for example.</translation>
    </message>
    <message>
        <source>архив больше 4 ГиБ или из 65535 файлов и более не поддерживается</source>
        <translation>an archive larger than 4 GiB or of 65535 files or more is not supported</translation>
    </message>
    <message>
        <source>недостаточно памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source> см.</source>
        <comment>after a value</comment>
        <translation> cm</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Геометрические характеристики плоских сечений</source>
        <translation>Sectional properties of plane sections</translation>
    </message>
    <message>
        <source>Результаты расчета</source>
        <translation>Calculation results</translation>
    </message>
    <message>
        <source>Не удалось сохранить «%1»: %2.</source>
        <translation>Could not save “%1”: %2.</translation>
    </message>
    <message>
        <source>ошибка записи изображения</source>
        <translation>the image could not be written</translation>
    </message>
    <message>
        <source>Неизвестно разрешение экрана.</source>
        <translation>The screen resolution is unknown.</translation>
    </message>
    <message>
        <source>Не удалось начать печать на «%1».</source>
        <translation>Could not start printing on “%1”.</translation>
    </message>
    <message>
        <source>Не удалось начать новую страницу.</source>
        <translation>Could not start a new page.</translation>
    </message>
    <message>
        <source>Не удалось завершить печать.</source>
        <translation>Could not finish printing.</translation>
    </message>
    <message>
        <source>Не удалось создать временную папку в «%1»: %2.</source>
        <translation>Could not create a temporary folder in “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось создать временный файл «%1»: %2.</source>
        <translation>Could not create the temporary file “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось напечатать в файл «%1»: %2 (%3).</source>
        <translation>Could not print to the file “%1”: %2 (%3).</translation>
    </message>
    <message>
        <source>Не удалось прочитать напечатанное «%1»: %2.</source>
        <translation>Could not read the printed “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось записать временный файл «%1»: %2.</source>
        <translation>Could not write the temporary file “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Standards</name>
    <message>
        <source>ГОСТ</source>
        <extracomment>The Russian national standard&apos;s abbreviation, as it is written in the reader&apos;s script.</extracomment>
        <translation>GOST</translation>
    </message>
</context>
<context>
    <name>karo::Language</name>
    <message>
        <source>Русский</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>karo::SectionDocument</name>
    <message>
        <source>ввод </source>
        <translation>typing </translation>
    </message>
    <message>
        <source>добавление профиля</source>
        <translation>adding a profile</translation>
    </message>
    <message>
        <source>удаление профиля</source>
        <translation>deleting a profile</translation>
    </message>
    <message>
        <source>поворот</source>
        <translation>rotation</translation>
    </message>
    <message>
        <source>отражение</source>
        <translation>mirroring</translation>
    </message>
    <message>
        <source>выбор из сортамента</source>
        <translation>catalogue pick</translation>
    </message>
    <message>
        <source>приставку</source>
        <translation>attachment</translation>
    </message>
</context>
<context>
    <name>karo::app::Main</name>
    <message>
        <source>karo: окно программы занято, файл «%1» не открыт.</source>
        <translation>karo: the program’s window is busy; file “%1” was not opened.</translation>
    </message>
</context>
<context>
    <name>karo::app::ManualWindow</name>
    <message>
        <source>Руководство — Karo</source>
        <translation>Manual — Karo</translation>
    </message>
</context>
<context>
    <name>karo::app::PlaceDialog</name>
    <message>
        <source>Приставить профиль</source>
        <translation>Attach profile</translation>
    </message>
    <message>
        <source>к профилю:</source>
        <translation>to profile:</translation>
    </message>
    <message>
        <source>сторона:</source>
        <translation>side:</translation>
    </message>
    <message>
        <source>выравнивание:</source>
        <translation>alignment:</translation>
    </message>
    <message>
        <source>зазор, см:</source>
        <translation>gap, cm:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>karo::app::PropertiesWindow</name>
    <message>
        <source>Характеристики сечения — Karo</source>
        <translation>Section properties — Karo</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Обозначение</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Сетка конечных элементов</source>
        <translation>Finite element mesh</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Таблица в буфер обмена: столбцы через табуляцию, единицы в отдельном столбце</source>
        <translation>The table to the clipboard: columns separated by tabs, units in a column of their own</translation>
    </message>
    <message>
        <source>Сортамент…</source>
        <translation>Catalogue…</translation>
    </message>
    <message>
        <source>сетка %1</source>
        <translation>mesh %1</translation>
    </message>
    <message>
        <source>пересчёт…</source>
        <translation>recomputing…</translation>
    </message>
    <message>
        <source>Частей: %1, замкнутых контуров: %2. Сетка: %3 узлов, изменение It на последнем шаге %4</source>
        <translation>Parts: %1, closed contours: %2. Mesh: %3 nodes, change of It at the last step %4</translation>
    </message>
    <message>
        <source> — It не установился</source>
        <translation> — It has not settled</translation>
    </message>
    <message>
        <source>Характеристики не записаны: %1</source>
        <translation>The properties were not written: %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Could not write file “%1”: %2</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Характеристики.png</source>
        <translation>Properties.png</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png);;Рисунок SVG (*.svg)</source>
        <translation>PNG picture (*.png);;SVG picture (*.svg)</translation>
    </message>
</context>
<context>
    <name>karo::app::Settings</name>
    <message>
        <source>karo: «%1» не читается (%2); список последних файлов не ведётся.</source>
        <translation>karo: “%1” cannot be read (%2); no list of recent files is kept.</translation>
    </message>
</context>
<context>
    <name>karo::app::TCataloguePicker</name>
    <message>
        <source>см²</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>см⁴</source>
        <translation>cm⁴</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>s, мм</source>
        <translation>s, mm</translation>
    </message>
    <message>
        <source>t, мм</source>
        <translation>t, mm</translation>
    </message>
    <message>
        <source>Сортамент</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>%1 (%2). Значения — для положения на вкладке%3.</source>
        <translation>%1 (%2). Values for the position on the tab%3.</translation>
    </message>
    <message>
        <source>: профиль повёрнут</source>
        <translation>: the profile is turned</translation>
    </message>
    <message>
        <source>Обозначение:</source>
        <translation>Designation:</translation>
    </message>
    <message>
        <source>например, %1</source>
        <translation>e.g. %1</translation>
    </message>
    <message>
        <source>ГОСТ</source>
        <translation>GOST</translation>
    </message>
    <message>
        <source>Обозначение</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>Справочные значения вычислены по номинальным размерам профиля</source>
        <translation>Reference values computed from the nominal dimensions of the profile</translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Нет профиля с таким обозначением</source>
        <translation>No profile with this designation</translation>
    </message>
    <message>
        <source>Профилей: %1</source>
        <translation>Profiles: %1</translation>
    </message>
    <message>
        <source>; курсивом — значения, вычисленные по размерам</source>
        <translation>; in italics: values computed from the dimensions</translation>
    </message>
</context>
<context>
    <name>karo::app::TMainForm</name>
    <message>
        <source>Добавить нельзя: не более %1 профилей одного вида</source>
        <translation>Cannot add: at most %1 profiles of one kind</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source> Геометрические характеристики плоских сечений</source>
        <translation> Sectional properties of plane sections</translation>
    </message>
    <message>
        <source>Сортамент…</source>
        <translation>Catalogue…</translation>
    </message>
    <message>
        <source>Выбрать профиль из сортамента (F4)</source>
        <translation>Pick a profile from the catalogue (F4)</translation>
    </message>
    <message>
        <source>. Справочные значения этого профиля вычислены по его номинальным размерам</source>
        <translation>. The reference values of this profile are computed from its nominal dimensions</translation>
    </message>
    <message>
        <source>Сечение Karo (*.karo)</source>
        <translation>Karo section (*.karo)</translation>
    </message>
    <message>
        <source>Не удается сохранить файл «%1»:
%2</source>
        <translation>Cannot save file “%1”:
%2</translation>
    </message>
    <message>
        <source>Открыть сечение</source>
        <translation>Open section</translation>
    </message>
    <message>
        <source>Сечение.karo</source>
        <translation>Section.karo</translation>
    </message>
    <message>
        <source>Сохранить сечение</source>
        <translation>Save section</translation>
    </message>
    <message>
        <source>Документ Word (*.docx)</source>
        <translation>Word document (*.docx)</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Новое сечение</source>
        <translation>&amp;New section</translation>
    </message>
    <message>
        <source>&amp;Открыть…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Последние &amp;файлы</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>Сохранить &amp;лист результатов…</source>
        <translation>Save result s&amp;heet…</translation>
    </message>
    <message>
        <source>&amp;Печать листа…</source>
        <translation>&amp;Print sheet…</translation>
    </message>
    <message>
        <source>Отчёт: открыть в текстовом &amp;редакторе</source>
        <translation>Report: open in &amp;word processor</translation>
    </message>
    <message>
        <source>Отчё&amp;т: сохранить как…</source>
        <translation>Repor&amp;t: save as…</translation>
    </message>
    <message>
        <source>&amp;Экспорт характеристик…</source>
        <translation>&amp;Export properties…</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Повто&amp;рить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Сортамент…</source>
        <translation>&amp;Catalogue…</translation>
    </message>
    <message>
        <source>&amp;Приставить…</source>
        <translation>&amp;Attach…</translation>
    </message>
    <message>
        <source>С&amp;ечение</source>
        <translation>&amp;Section</translation>
    </message>
    <message>
        <source>&amp;Характеристики сечения…</source>
        <translation>Section &amp;properties…</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Руководство</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Файл «%1» не найден и убран из списка.</source>
        <translation>File “%1” was not found and has been removed from the list.</translation>
    </message>
    <message>
        <source>Сохранить отчет</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Отчет.docx</source>
        <translation>Report.docx</translation>
    </message>
    <message>
        <source>-отчет.docx</source>
        <translation>-report.docx</translation>
    </message>
    <message>
        <source>РЕШЕНИЕ</source>
        <translation>SOLUTION</translation>
    </message>
    <message>
        <source>О программе ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Повернуть</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Поворот против часовой стрелки</source>
        <translation>Rotate counter-clockwise</translation>
    </message>
    <message>
        <source>Отразить</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Зеркальное отражение</source>
        <translation>Mirror image</translation>
    </message>
    <message>
        <source>см.</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить результаты</source>
        <translation>Save the results</translation>
    </message>
    <message>
        <source>Печатать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Печатать результаты</source>
        <translation>Print the results</translation>
    </message>
    <message>
        <source>Создать отчет в MsWord</source>
        <translation>Create MsWord report</translation>
    </message>
    <message>
        <source>Создать отчет</source>
        <translation>Create a report</translation>
    </message>
    <message>
        <source>определение геометрических характеристик</source>
        <translation>computing the sectional properties</translation>
    </message>
    <message>
        <source>плоских сечений, составленных из</source>
        <translation>of plane sections built from</translation>
    </message>
    <message>
        <source>прокатных профилей</source>
        <translation>rolled steel profiles</translation>
    </message>
    <message>
        <source>Разработка: учебная группа «Каро»</source>
        <translation>Developed by the “Karo” student group</translation>
    </message>
    <message>
        <source>кафедра строительной механики</source>
        <translation>Department of Structural Mechanics</translation>
    </message>
    <message>
        <source>Приставить к другому профилю (F5)</source>
        <translation>Attach to another profile (F5)</translation>
    </message>
    <message>
        <source>Характеристики…</source>
        <translation>Properties…</translation>
    </message>
    <message>
        <source>Сдвиг, пластический изгиб, кручение, центр изгиба и ядро сечения (F6)</source>
        <translation>Shear, plastic bending, torsion, shear centre and section kernel (F6)</translation>
    </message>
    <message>
        <source>Экспорт характеристик</source>
        <translation>Export properties</translation>
    </message>
    <message>
        <source>Характеристики.csv</source>
        <translation>Properties.csv</translation>
    </message>
    <message>
        <source>-характеристики.csv</source>
        <translation>-properties.csv</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Сохранить изменения в новом сечении?</source>
        <translation>Save the changes to the new section?</translation>
    </message>
    <message>
        <source>Сохранить изменения в сечении «%1»?</source>
        <translation>Save the changes to section “%1”?</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Язык</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске</source>
        <translation>The language changes at the next start</translation>
    </message>
</context>
</TS>
