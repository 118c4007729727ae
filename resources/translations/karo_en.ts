<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Файл «%1» уже существует.
Заменить его?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: ожидается число; дробная часть отделяется точкой.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: ожидается число больше нуля; дробная часть отделяется точкой.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: ожидается число больше нуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 должен быть меньше меньшего из Ix и Iy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина полки b не меньше высоты h.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При стенке вдоль оси y&apos; момент инерции Iy не меньше Ix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При стенке вдоль оси x&apos; момент инерции Ix не меньше Iy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние до центра тяжести Zo не меньше ширины полки b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина меньшей полки b не меньше ширины большей полки B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина полки d не меньше ширины меньшей полки b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный главный момент инерции Iu не меньше Ix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный главный момент инерции Iu не меньше Iy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина полки d не меньше расстояния Xo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина полки d не меньше расстояния Yo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние Xo не меньше ширины меньшей полки b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние Yo не меньше ширины меньшей полки b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При большей полке вдоль оси y&apos; момент инерции Iy не меньше Ix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При большей полке вдоль оси x&apos; момент инерции Ix не меньше Iy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При большей полке вдоль оси y&apos; расстояние Xo не меньше Yo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При большей полке вдоль оси x&apos; расстояние Yo не меньше Xo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина полки d не меньше ширины полки b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина полки d не меньше расстояния до центра тяжести Zo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В сечении нет профиля «%1 %2».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В сечении нет другого профиля, к которому можно приставить.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль нельзя приставить к самому себе.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У профиля «%1 %2» заданы не все значения.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выравнивание «%1» не подходит к стороне «%2».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зазор — число сантиметров от 0 до %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет такого файла или папки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет места на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>часть пути не является папкой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком много символических ссылок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком много открытых файлов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>недостаточно памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файлы на разных дисках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет такого устройства</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Площадь сечения слишком мала.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В сечении нет ни одного профиля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сечение не имеет площади.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: толщины стенки и полок неизвестны — выберите профиль из сортамента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Арифметическая ошибка при расчёте свойств сечения.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текст оборван</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пропущен разделитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>недопустимое значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком глубокая вложенность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>документ слишком велик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лишний текст в конце</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка разбора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ожидается объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: неизвестное поле «%2»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: положение вне диапазона 1..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: «entries» должен быть списком</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: больше %2 профилей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: номер показанного профиля вне диапазона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ожидается число или текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Файл «%2»: %3.
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не JSON (%1, позиция %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не файл сечения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестное поле «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не файл сечения (формат «%1»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверная версия формата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия %1 новее, чем понимает программа (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«kinds» должен быть объектом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный вид профиля «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, профиль %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, профиль %2, поле %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удается прочитать файл «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>karo::SectionDocument</name>
    <message>
        <source>ввод </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>добавление профиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удаление профиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поворот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отражение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выбор из сортамента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>приставку</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>karo::app::ManualWindow</name>
    <message>
        <source>Руководство — Karo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>karo::app::PlaceDialog</name>
    <message>
        <source>Приставить профиль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>к профилю:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сторона:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выравнивание:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>зазор, см:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ОК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>karo::app::PropertiesPictureView</name>
    <message>
        <source>Сохранить рисунок…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>karo::app::PropertiesWindow</name>
    <message>
        <source>Характеристики сечения — Karo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Величина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обозначение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Единица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сетка конечных элементов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица в буфер обмена: столбцы через табуляцию, единицы в отдельном столбце</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сортамент…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сетка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пересчёт…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частей: %1, замкнутых контуров: %2. Сетка: %3 узлов, изменение It на последнем шаге %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — It не установился</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристики не записаны: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристики.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png);;Рисунок SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>karo::app::TCataloguePicker</name>
    <message>
        <source>см²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>см⁴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сортамент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2). Значения — для положения на вкладке%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: профиль повёрнут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обозначение:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>например, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ГОСТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обозначение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справочные значения вычислены по номинальным размерам профиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет профиля с таким обозначением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профилей: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; курсивом — значения, вычисленные по размерам</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>karo::app::TMainForm</name>
    <message>
        <source>Добавить нельзя: не более %1 профилей одного вида</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Геометрические характеристики плоских сечений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сортамент…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрать профиль из сортамента (F4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Справочные значения этого профиля вычислены по его номинальным размерам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сечение Karo (*.karo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удается сохранить файл «%1»:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть сечение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сечение.karo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить сечение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Документ Word (*.docx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Новое сечение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Открыть…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последние &amp;файлы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить &amp;как…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить &amp;лист результатов…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Печать листа…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт: открыть в текстовом &amp;редакторе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчё&amp;т: сохранить как…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Экспорт характеристик…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повто&amp;рить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Сортамент…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Приставить…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С&amp;ечение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Характеристики сечения…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Руководство</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» не найден и убран из списка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить отчет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчет.docx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-отчет.docx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РЕШЕНИЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повернуть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поворот против часовой стрелки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отразить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зеркальное отражение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>см.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить результаты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печатать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печатать результаты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создать отчет в MsWord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Создать отчет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>определение геометрических характеристик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>плоских сечений, составленных из</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прокатных профилей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разработка: учебная группа «Каро»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кафедра строительной механики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приставить к другому профилю (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристики…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвиг, пластический изгиб, кручение, центр изгиба и ядро сечения (F6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт характеристик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристики.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-характеристики.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить изменения в новом сечении?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить изменения в сечении «%1»?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
