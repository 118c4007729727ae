<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
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
        <source>ГОСТ</source>
        <comment>the standards&apos; name</comment>
        <translation>GOST</translation>
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
