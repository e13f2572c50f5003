<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>ChargeLab</name>
    <message>
        <source> мкН/Кл</source>
        <translation> µN/C</translation>
    </message>
    <message>
        <source>нКл</source>
        <translation>nC</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source> мкН</source>
        <translation> µN</translation>
    </message>
    <message>
        <source>Силы</source>
        <translation>Forces</translation>
    </message>
    <message>
        <source>Напряжённости</source>
        <translation>Field strengths</translation>
    </message>
</context>
<context>
    <name>CircleForm</name>
    <message>
        <source>угол a=  </source>
        <translation>angle a=  </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Параметр a</source>
        <translation>Parameter a</translation>
    </message>
    <message>
        <source>Параметр b</source>
        <translation>Parameter b</translation>
    </message>
    <message>
        <source>Параметр c</source>
        <translation>Parameter c</translation>
    </message>
    <message>
        <source>Масштаб по вертикали</source>
        <translation>Vertical scale</translation>
    </message>
    <message>
        <source>РЛС</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Модуляция амплитудная</source>
        <translation>Amplitude modulation</translation>
    </message>
    <message>
        <source>Детектор</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>НЧ сигнал</source>
        <translation>LF signal</translation>
    </message>
    <message>
        <source>Очистка</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Модуляция частотная</source>
        <translation>Frequency modulation</translation>
    </message>
    <message>
        <source>Е-эл</source>
        <translation>E-el</translation>
    </message>
    <message>
        <source>ЭЛМ волна</source>
        <translation>EM wave</translation>
    </message>
    <message>
        <source>В-маг</source>
        <translation>B-mag</translation>
    </message>
    <message>
        <source>Вкл. метки</source>
        <translation>Marks on</translation>
    </message>
    <message>
        <source>Выкл. метки</source>
        <translation>Marks off</translation>
    </message>
    <message>
        <source>Индуктивность L</source>
        <translation>Inductance L</translation>
    </message>
    <message>
        <source>Ёмкость C</source>
        <translation>Capacitance C</translation>
    </message>
    <message>
        <source>Длина волны</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>Шаг времени</source>
        <translation>Time step</translation>
    </message>
    <message>
        <source>Полоса спектра</source>
        <translation>Spectrum strip</translation>
    </message>
    <message>
        <source>Волна 1 </source>
        <translation>Wave 1 </translation>
    </message>
    <message>
        <source>Волна 2 </source>
        <translation>Wave 2 </translation>
    </message>
    <message>
        <source>WaveSum, стоячая волна</source>
        <translation>WaveSum, standing wave</translation>
    </message>
    <message>
        <source>Очистка рисунка</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>Волна1</source>
        <translation>Wave 1</translation>
    </message>
    <message>
        <source>Волна2</source>
        <translation>Wave 2</translation>
    </message>
    <message>
        <source>Обе</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Очистка параметров</source>
        <translation>Reset parameters</translation>
    </message>
    <message>
        <source>Дифракция</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Интерференция</source>
        <translation>Interference</translation>
    </message>
    <message>
        <source>Измерение длины волны</source>
        <translation>Measure the wavelength</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Пучности</source>
        <translation>Antinodes</translation>
    </message>
    <message>
        <source>Число точек</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Сопротивление R</source>
        <translation>Resistance R</translation>
    </message>
    <message>
        <source>Затухание</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>График i</source>
        <translation>Graph i</translation>
    </message>
    <message>
        <source>График u</source>
        <translation>Graph u</translation>
    </message>
    <message>
        <source>Оба</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Резонанс</source>
        <translation>Resonance</translation>
    </message>
    <message>
        <source>Исследовать  колебания</source>
        <translation>Investigate the oscillations</translation>
    </message>
    <message>
        <source> Число точек</source>
        <translation> Number of points</translation>
    </message>
    <message>
        <source>Масса m</source>
        <translation>Mass m</translation>
    </message>
    <message>
        <source>Жёсткость k</source>
        <translation>Spring constant k</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Пуск1</source>
        <translation>Start 1</translation>
    </message>
    <message>
        <source>Стоп1</source>
        <translation>Stop 1</translation>
    </message>
    <message>
        <source>Ускорение</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Замедление</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Пуск2</source>
        <translation>Start 2</translation>
    </message>
    <message>
        <source>Стоп2</source>
        <translation>Stop 2</translation>
    </message>
    <message>
        <source>Исследование</source>
        <translation>Investigate</translation>
    </message>
    <message>
        <source>Линза, предмет и изображение</source>
        <translation>Lens, object and image</translation>
    </message>
    <message>
        <source>Расстояние до предмета d</source>
        <translation>Object distance d</translation>
    </message>
    <message>
        <source>Высота предмета h</source>
        <translation>Object height h</translation>
    </message>
    <message>
        <source>Третья полоса прокрутки</source>
        <translation>Third scroll bar</translation>
    </message>
    <message>
        <source>Характеристика изображения</source>
        <translation>Nature of the image</translation>
    </message>
    <message>
        <source>Высота предмета</source>
        <translation>Object height</translation>
    </message>
    <message>
        <source>Расстояние до изображения f</source>
        <translation>Image distance f</translation>
    </message>
    <message>
        <source>Высота изображения</source>
        <translation>Image height</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Линзы</source>
        <translation>Lenses</translation>
    </message>
    <message>
        <source>Собирающая линза</source>
        <translation>Converging lens</translation>
    </message>
    <message>
        <source>Рассеивающая линза</source>
        <translation>Diverging lens</translation>
    </message>
    <message>
        <source>действительное, перевёрнутое, уменьшенное</source>
        <translation>real, inverted, diminished</translation>
    </message>
    <message>
        <source>действительное, перевёрнутое, равное предмету</source>
        <translation>real, inverted, the same size as the object</translation>
    </message>
    <message>
        <source>действительное, перевёрнутое, увеличенное</source>
        <translation>real, inverted, magnified</translation>
    </message>
    <message>
        <source>мнимое, прямое, увеличенное</source>
        <translation>virtual, upright, magnified</translation>
    </message>
    <message>
        <source>мнимое, прямое, уменьшенное</source>
        <translation>virtual, upright, diminished</translation>
    </message>
    <message>
        <source>Часы-секундомер</source>
        <translation>Clock and stopwatch</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>шрифт</source>
        <translation>font</translation>
    </message>
    <message>
        <source>цвет</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Цвет фона</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Цвет рисунка</source>
        <translation>Drawing colour</translation>
    </message>
    <message>
        <source>Цвет шрифта</source>
        <translation>Font colour</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Звук вкл</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>Звук выкл</source>
        <translation>Sound off</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>часы вкл</source>
        <translation>clock on</translation>
    </message>
    <message>
        <source>часы выкл</source>
        <translation>clock off</translation>
    </message>
    <message>
        <source>недолёт</source>
        <translation>short</translation>
    </message>
    <message>
        <source>перелёт</source>
        <translation>over</translation>
    </message>
    <message>
        <source>попал</source>
        <translation>hit</translation>
    </message>
    <message>
        <source>Начальная скорость V0</source>
        <translation>Initial velocity V0</translation>
    </message>
    <message>
        <source>Изменить скорость V0</source>
        <translation>Change velocity V0</translation>
    </message>
    <message>
        <source>Угол A в градусах</source>
        <translation>Angle A in degrees</translation>
    </message>
    <message>
        <source>Изменить угол A</source>
        <translation>Change angle A</translation>
    </message>
    <message>
        <source>Расстояние до мишени S</source>
        <translation>Distance to the target S</translation>
    </message>
    <message>
        <source>Изменить расстояние S</source>
        <translation>Change distance S</translation>
    </message>
    <message>
        <source>Высота мишени H</source>
        <translation>Height of the target H</translation>
    </message>
    <message>
        <source>Изменить высоту H</source>
        <translation>Change height H</translation>
    </message>
    <message>
        <source>Высота траектории у мишени</source>
        <translation>Height of the path at the target</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>высоты нет</source>
        <translation>no height</translation>
    </message>
    <message>
        <source>расчёт невозможен</source>
        <translation>cannot be calculated</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Вопрос и ответ</source>
        <translation>Question and answer</translation>
    </message>
    <message>
        <source>Выберите вопрос и ответ </source>
        <translation>Choose a question and an answer </translation>
    </message>
    <message>
        <source>Верно</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Оценка %1, правильных ответов %2 ошибок %3</source>
        <translation>Mark %1, right answers %2 mistakes %3</translation>
    </message>
    <message>
        <source>Вопрос1</source>
        <translation>Question 1</translation>
    </message>
    <message>
        <source>Вопрос2</source>
        <translation>Question 2</translation>
    </message>
    <message>
        <source>Вопрос3</source>
        <translation>Question 3</translation>
    </message>
    <message>
        <source>Вопрос4</source>
        <translation>Question 4</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Очистка</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Выберите вид линзы и нажмите кнопку &apos;Линзы&apos;.  Измените расстояние от линзы до предмета (предмет синего цвета), передвигая бегунок скроллбара под текстовым окном . Наблюдайте изменение изображения. Действительное изображение красного цвета, мнимое голубого. При изменении размеров окна нажмите кнопку &apos;Линзы&apos; ещё раз.</source>
        <translation>Choose the kind of lens and press the &apos;Lenses&apos; button. Change the distance from the lens to the object (the blue one) by moving the thumb of the scroll bar under the text box. Watch how the image changes. A real image is red, a virtual one light blue. After resizing the window press the &apos;Lenses&apos; button again.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&amp;Запустить</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Уроки физики и математики</source>
        <translation>Physics and maths lessons</translation>
    </message>
    <message>
        <source>Выберите программу и нажмите «Запустить», Enter или дважды щёлкните по ней.</source>
        <translation>Choose a program and press “Start”, Enter or double-click it.</translation>
    </message>
    <message>
        <source>Программы</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Запускает выбранную программу</source>
        <translation>Starts the chosen program</translation>
    </message>
    <message>
        <source>Программа %1 не найдена: среди файлов уроков нет файла %2. Попросите учителя переустановить уроки.</source>
        <translation>Program %1 not found: the lessons&apos; files include no file %2. Ask your teacher to install the lessons again.</translation>
    </message>
    <message>
        <source>Программа %1 запускается в своём окне.</source>
        <translation>Program %1 is starting in a window of its own.</translation>
    </message>
    <message>
        <source>Программу %1 не удалось запустить: система не смогла открыть файл %2.</source>
        <translation>Program %1 could not be started: the system could not open the file %2.</translation>
    </message>
    <message>
        <source>ChargeLab2</source>
        <translation>ChargeLab2</translation>
    </message>
    <message>
        <source>Plotter</source>
        <translation>Plotter</translation>
    </message>
    <message>
        <source>Fringes</source>
        <translation>Fringes</translation>
    </message>
    <message>
        <source>Колебания</source>
        <translation>Oscillations</translation>
    </message>
    <message>
        <source>SpringBob</source>
        <translation>SpringBob</translation>
    </message>
    <message>
        <source>ChargeLab</source>
        <translation>ChargeLab</translation>
    </message>
    <message>
        <source>Волна</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>WaveSum</source>
        <translation>WaveSum</translation>
    </message>
    <message>
        <source>Линзы</source>
        <translation>Lenses</translation>
    </message>
    <message>
        <source>Секундомер</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Pendulum</source>
        <translation>Pendulum</translation>
    </message>
    <message>
        <source>физика</source>
        <translation>Physics</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Программа откроется во весь экран</source>
        <translation>The program opens full screen</translation>
    </message>
</context>
<context>
    <name>OscillationsQuiz</name>
    <message>
        <source>Исследуйте и выберите ответ: 1 - Как зависит период электромагнитных колебаний в контуре от индуктивности катушки?</source>
        <translation>Investigate and choose the answer: 1 - How does the period of the electromagnetic oscillations in the circuit depend on the inductance of the coil?</translation>
    </message>
    <message>
        <source>Исследуйте и выберите ответ: 2 - Как зависит период электромагнитных колебаний в контуре от ёмкости конденсатора?</source>
        <translation>Investigate and choose the answer: 2 - How does the period of the electromagnetic oscillations in the circuit depend on the capacitance of the capacitor?</translation>
    </message>
    <message>
        <source>Исследуйте и выберите ответ: 3 - Как зависит частота электромагнитных колебаний в контуре от индуктивности катушки?</source>
        <translation>Investigate and choose the answer: 3 - How does the frequency of the electromagnetic oscillations in the circuit depend on the inductance of the coil?</translation>
    </message>
    <message>
        <source>Исследуйте и выберите ответ: 4 - Как зависит частота электромагнитных колебаний в контуре от ёмкости конденсатора?</source>
        <translation>Investigate and choose the answer: 4 - How does the frequency of the electromagnetic oscillations in the circuit depend on the capacitance of the capacitor?</translation>
    </message>
    <message>
        <source>1 Прямопропорционально корню из L</source>
        <translation>1 Directly proportional to the square root of L</translation>
    </message>
    <message>
        <source>2 Обратнопропорционально корню из L</source>
        <translation>2 Inversely proportional to the square root of L</translation>
    </message>
    <message>
        <source>3 Прямопропорционально корню из C</source>
        <translation>3 Directly proportional to the square root of C</translation>
    </message>
    <message>
        <source>4 Обратнопропорционально корню из C</source>
        <translation>4 Inversely proportional to the square root of C</translation>
    </message>
    <message>
        <source>5 Прямопропорционально корню из L</source>
        <translation>5 Directly proportional to the square root of L</translation>
    </message>
    <message>
        <source>6  Обратнопропорционально корню из L</source>
        <translation>6  Inversely proportional to the square root of L</translation>
    </message>
    <message>
        <source>7 Прямопропорционально корню из C</source>
        <translation>7 Directly proportional to the square root of C</translation>
    </message>
    <message>
        <source>8 Обратнопропорционально корню из C</source>
        <translation>8 Inversely proportional to the square root of C</translation>
    </message>
</context>
<context>
    <name>Quorvel</name>
    <message>
        <source>Заряд q1</source>
        <translation>Charge q1</translation>
    </message>
    <message>
        <source>Заряд q2</source>
        <translation>Charge q2</translation>
    </message>
    <message>
        <source>Сила Кулона</source>
        <translation>Coulomb force</translation>
    </message>
    <message>
        <source>Расстояние r</source>
        <translation>Distance r</translation>
    </message>
    <message>
        <source>Заряд q1, нКл</source>
        <translation>Charge q1, nC</translation>
    </message>
    <message>
        <source>Заряд q2, нКл</source>
        <translation>Charge q2, nC</translation>
    </message>
    <message>
        <source>Расстояние r, см</source>
        <translation>Distance r, cm</translation>
    </message>
    <message>
        <source>Вектор у заряда q1</source>
        <translation>Vector at charge q1</translation>
    </message>
    <message>
        <source>Вектор у заряда q2</source>
        <translation>Vector at charge q2</translation>
    </message>
    <message>
        <source>Подпись заряда q1</source>
        <translation>Label of charge q1</translation>
    </message>
    <message>
        <source>Подпись заряда q2</source>
        <translation>Label of charge q2</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Заряд1=q1</source>
        <translation>Charge1=q1</translation>
    </message>
    <message>
        <source>Заряд2=q2</source>
        <translation>Charge2=q2</translation>
    </message>
    <message>
        <source>Расстояние</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Силы</source>
        <translation>Forces</translation>
    </message>
    <message>
        <source>Напряжённости</source>
        <translation>Field strengths</translation>
    </message>
    <message>
        <source>Силы - 1 клик. Напряжённость - 2 клика</source>
        <translation>Forces - 1 click. Field strength - 2 clicks</translation>
    </message>
</context>
<context>
    <name>SpringBobQuiz</name>
    <message>
        <source>Исследуйте и выберите ответ: 1 - Как зависит период колебаний груза на пружине от массы груза?</source>
        <translation>Investigate and choose the answer: 1 - How does the period of oscillation of a weight on a spring depend on the mass of the weight?</translation>
    </message>
    <message>
        <source>Исследуйте и выберите ответ: 2 - Как зависит период колебаний груза на пружине от жёсткости пружины?</source>
        <translation>Investigate and choose the answer: 2 - How does the period of oscillation of a weight on a spring depend on the spring constant?</translation>
    </message>
    <message>
        <source>Исследуйте и выберите ответ: 3 - Как зависит частота колебаний груза на пружине от массы груза?</source>
        <translation>Investigate and choose the answer: 3 - How does the frequency of oscillation of a weight on a spring depend on the mass of the weight?</translation>
    </message>
    <message>
        <source>Исследуйте и выберите ответ: 4 - Как зависит частота колебаний груза на пружине от жёсткости пружины?</source>
        <translation>Investigate and choose the answer: 4 - How does the frequency of oscillation of a weight on a spring depend on the spring constant?</translation>
    </message>
    <message>
        <source>1 Прямопропорционально корню из m</source>
        <translation>1 Directly proportional to the square root of m</translation>
    </message>
    <message>
        <source>2 Обратнопропорционально корню из m</source>
        <translation>2 Inversely proportional to the square root of m</translation>
    </message>
    <message>
        <source>3 Прямопропорционально корню из k</source>
        <translation>3 Directly proportional to the square root of k</translation>
    </message>
    <message>
        <source>4 Обратнопропорционально корню из k</source>
        <translation>4 Inversely proportional to the square root of k</translation>
    </message>
    <message>
        <source>5 Прямопропорционально корню из m</source>
        <translation>5 Directly proportional to the square root of m</translation>
    </message>
    <message>
        <source>6  Обратнопропорционально корню из m</source>
        <translation>6  Inversely proportional to the square root of m</translation>
    </message>
    <message>
        <source>7 Прямопропорционально корню из k</source>
        <translation>7 Directly proportional to the square root of k</translation>
    </message>
    <message>
        <source>8 Обратнопропорционально корню из k</source>
        <translation>8 Inversely proportional to the square root of k</translation>
    </message>
</context>
<context>
    <name>Varden</name>
    <message>
        <source> Сформулируйте ChargeLab.</source>
        <translation> State ChargeLab.</translation>
    </message>
    <message>
        <source> Сила ВЗАИМОДЕЙСТВИЯ между двумя неподвижными точечными зарядами, находящимися в вакууме, прямо пропорциональна произведению модулей зарядов, обратно пропорциональна квадрату расстояния между ними и направлена по прямой, соединяющей заряды.</source>
        <translation> The force of INTERACTION between two stationary point charges in a vacuum is directly proportional to the product of the magnitudes of the charges, inversely proportional to the square of the distance between them, and directed along the straight line joining the charges.</translation>
    </message>
    <message>
        <source> Сила ПРИТЯЖЕНИЯ между двумя неподвижными точечными зарядами, находящимися в вакууме, прямо пропорциональна произведению модулей зарядов, обратно пропорциональна квадрату расстояния между ними и направлена по прямой, соединяющей заряды.</source>
        <translation> The force of ATTRACTION between two stationary point charges in a vacuum is directly proportional to the product of the magnitudes of the charges, inversely proportional to the square of the distance between them, and directed along the straight line joining the charges.</translation>
    </message>
    <message>
        <source> Сила ОТТАЛКИВАНИЯ между двумя неподвижными точечными зарядами, находящимися в вакууме, прямо пропорциональна произведению модулей зарядов, обратно пропорциональна квадрату расстояния между ними и направлена по прямой, соединяющей заряды.</source>
        <translation> The force of REPULSION between two stationary point charges in a vacuum is directly proportional to the product of the magnitudes of the charges, inversely proportional to the square of the distance between them, and directed along the straight line joining the charges.</translation>
    </message>
    <message>
        <source> Увеличивается или уменьшается сила Кулона при увеличении зарядов? (Проверьте и введите ответ.)</source>
        <translation> Does the Coulomb force increase or decrease when the charges are increased? (Try it and enter the answer.)</translation>
    </message>
    <message>
        <source> Уменьшается</source>
        <translation> It decreases</translation>
    </message>
    <message>
        <source> Увеличивается</source>
        <translation> It increases</translation>
    </message>
    <message>
        <source> Не изменяется</source>
        <translation> It does not change</translation>
    </message>
    <message>
        <source> Зависит ли направление сил взаимодействия зарядов от знаков зарядов? (Проверьте и введите ответ.)</source>
        <translation> Does the direction of the forces between the charges depend on the signs of the charges? (Try it and enter the answer.)</translation>
    </message>
    <message>
        <source> Не зависит</source>
        <translation> It does not</translation>
    </message>
    <message>
        <source> Зависит. Одноимённые заряды отталкиваются, разноимённые - притягиваются.</source>
        <translation> It does. Like charges repel, unlike charges attract.</translation>
    </message>
    <message>
        <source> Зависит. Разноимённые заряды отталкиваются, одноимённые - притягиваются.</source>
        <translation> It does. Unlike charges repel, like charges attract.</translation>
    </message>
    <message>
        <source> Зависит ли величина силы Кулона от расстояния между зарядами? Какая это зависимость? (Проверьте и введите ответ.)</source>
        <translation> Does the magnitude of the Coulomb force depend on the distance between the charges? How does it depend on it? (Try it and enter the answer.)</translation>
    </message>
    <message>
        <source> Сила взаимодействия между зарядами от расстояния не зависит</source>
        <translation> The force between the charges does not depend on the distance</translation>
    </message>
    <message>
        <source> Сила взаимодействия между зарядами прямо пропорциональна квадрату расстояния</source>
        <translation> The force between the charges is directly proportional to the square of the distance</translation>
    </message>
    <message>
        <source> Сила взаимодействия между зарядами обратно пропорциональна квадрату расстояния</source>
        <translation> The force between the charges is inversely proportional to the square of the distance</translation>
    </message>
    <message>
        <source> В чём заключается физический смысл коэффициента k в ChargeLab?</source>
        <translation> What is the physical meaning of the constant k in ChargeLab?</translation>
    </message>
    <message>
        <source> Согласно ChargeLab два точечных заряда по 1 Кл, расположенных в вакууме на расстоянии 1 м друг от друга, взаимодействуют с силой F=9*10^9 Н</source>
        <translation> By ChargeLab two point charges of 1 C each, 1 m apart in a vacuum, interact with a force F=9*10^9 N</translation>
    </message>
    <message>
        <source> Согласно ChargeLab два точечных заряда  взаимодействуют с силой F=9*10^9 Н</source>
        <translation> By ChargeLab two point charges  interact with a force F=9*10^9 N</translation>
    </message>
    <message>
        <source> Согласно ChargeLab два точечных заряда по 1 Кл взаимодействуют с силой F=9*10^9 Н</source>
        <translation> By ChargeLab two point charges of 1 C each interact with a force F=9*10^9 N</translation>
    </message>
    <message>
        <source> Во сколько раз кулоновская сила отталкивания протонов в ядре атома больше их гравитационного притяжения?</source>
        <translation> How many times greater is the Coulomb repulsion of the protons in the nucleus of an atom than their gravitational attraction?</translation>
    </message>
    <message>
        <source> В 10^29</source>
        <translation> 10^29 times</translation>
    </message>
    <message>
        <source> В 10^39</source>
        <translation> 10^39 times</translation>
    </message>
    <message>
        <source> В 10^49</source>
        <translation> 10^49 times</translation>
    </message>
    <message>
        <source> Определите силу Кулона, действующую на заряд в 10 нКл со стороны такого же заряда, находящегося на расстоянии 50 см от первого.</source>
        <translation> Find the Coulomb force on a charge of 10 nC exerted by an equal charge 50 cm away from it.</translation>
    </message>
    <message>
        <source> 0.36 мкН.</source>
        <translation> 0.36 µN.</translation>
    </message>
    <message>
        <source> 3.6 мкН.</source>
        <translation> 3.6 µN.</translation>
    </message>
    <message>
        <source> 36.0 мкН.</source>
        <translation> 36.0 µN.</translation>
    </message>
    <message>
        <source> Сформулируйте определение напряжённости электрического поля.</source>
        <translation> State the definition of electric field strength.</translation>
    </message>
    <message>
        <source> Напряжённость электростатического - векторная физическая величина,равная отношению силы Кулона, с которой поле действует на пробный положительный заряд, помещённый в данную точку поля, к величине этого заряда.</source>
        <translation> Electrostatic field strength is a vector physical quantity equal to the ratio of the Coulomb force with which the field acts on a positive test charge placed at a given point of the field to the magnitude of that charge.</translation>
    </message>
    <message>
        <source> Напряжённость электростатического - векторная физическая величина,равная отношению силы Кулона, с которой поле действует на пробный положительный заряд, помещённый в данную точку поля.</source>
        <translation> Electrostatic field strength is a vector physical quantity equal to the ratio of the Coulomb force with which the field acts on a positive test charge placed at a given point of the field.</translation>
    </message>
    <message>
        <source> Напряжённость электростатического - векторная физическая величина.</source>
        <translation> Electrostatic field strength is a vector physical quantity.</translation>
    </message>
    <message>
        <source> Каковы единицы напряжённости электрического поля?</source>
        <translation> What is the unit of electric field strength?</translation>
    </message>
    <message>
        <source> Н/кг</source>
        <translation> N/kg</translation>
    </message>
    <message>
        <source> Н/км</source>
        <translation> N/km</translation>
    </message>
    <message>
        <source> Н/Кл</source>
        <translation> N/C</translation>
    </message>
    <message>
        <source> Как изменяется напряжённость электрического поля при увеличении заряда? (Проверьте и введите ответ.)</source>
        <translation> How does the electric field strength change when the charge is increased? (Try it and enter the answer.)</translation>
    </message>
    <message>
        <source> Как направлен вектор напряжённости электрического поля заряда? (Проверьте и введите ответ.)</source>
        <translation> Which way does the electric field strength vector of a charge point? (Try it and enter the answer.)</translation>
    </message>
    <message>
        <source> От заряда, если q&gt;0</source>
        <translation> Away from the charge, if q&gt;0</translation>
    </message>
    <message>
        <source> От заряда, если q&lt;0</source>
        <translation> Away from the charge, if q&lt;0</translation>
    </message>
    <message>
        <source> К заряду, если q&gt;0</source>
        <translation> Towards the charge, if q&gt;0</translation>
    </message>
    <message>
        <source> Какая зависимость величины напряжённости электрического поля точечного заряда от расстояния? </source>
        <translation> How does the electric field strength of a point charge depend on the distance? </translation>
    </message>
    <message>
        <source> Напряжённость пропорциональна 1/r</source>
        <translation> The field strength is proportional to 1/r</translation>
    </message>
    <message>
        <source> Напряжённость пропорциональна 1/r^2</source>
        <translation> The field strength is proportional to 1/r^2</translation>
    </message>
    <message>
        <source> Напряжённость пропорциональна r</source>
        <translation> The field strength is proportional to r</translation>
    </message>
    <message>
        <source> При взаимодействии 2-х зарядов направление векторов напряжённости электрического поля совпадает. Как взаимодействуют эти заряды? (Проверьте и введите ответ.)</source>
        <translation> Where 2 charges interact, their electric field strength vectors point the same way. How do these charges interact? (Try it and enter the answer.)</translation>
    </message>
    <message>
        <source> Притягиваются</source>
        <translation> They attract</translation>
    </message>
    <message>
        <source> Отталкиваются</source>
        <translation> They repel</translation>
    </message>
    <message>
        <source> Не взаимодействуют</source>
        <translation> They do not interact</translation>
    </message>
    <message>
        <source> Что из себя представляет геометрическое место точек с одинаковым по направлению вектором напряжённости электростатического поля точечного заряда?</source>
        <translation> What is the locus of the points at which the electrostatic field strength vector of a point charge has one and the same direction?</translation>
    </message>
    <message>
        <source> Дугу</source>
        <translation> An arc</translation>
    </message>
    <message>
        <source> Линию</source>
        <translation> A line</translation>
    </message>
    <message>
        <source> Плоскость</source>
        <translation> A plane</translation>
    </message>
    <message>
        <source>Выберите ответ (1,2 или 3): </source>
        <translation>Choose an answer (1, 2 or 3): </translation>
    </message>
    <message>
        <source>Запишите код вашего ответа </source>
        <translation>Write down the code of your answers </translation>
    </message>
    <message>
        <source>Качество знаний=</source>
        <translation>Knowledge score=</translation>
    </message>
    <message>
        <source>Заряд q1</source>
        <translation>Charge q1</translation>
    </message>
    <message>
        <source>Заряд q2</source>
        <translation>Charge q2</translation>
    </message>
    <message>
        <source>Сила Кулона</source>
        <translation>Coulomb force</translation>
    </message>
    <message>
        <source>Модуль E2</source>
        <translation>Magnitude E2</translation>
    </message>
    <message>
        <source>Модуль E1</source>
        <translation>Magnitude E1</translation>
    </message>
    <message>
        <source>Расстояние r</source>
        <translation>Distance r</translation>
    </message>
    <message>
        <source>Заряд q1, нКл</source>
        <translation>Charge q1, nC</translation>
    </message>
    <message>
        <source>Заряд q2, нКл</source>
        <translation>Charge q2, nC</translation>
    </message>
    <message>
        <source>Расстояние r, см</source>
        <translation>Distance r, cm</translation>
    </message>
    <message>
        <source>Сообщения</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Вектор у заряда q1</source>
        <translation>Vector at charge q1</translation>
    </message>
    <message>
        <source>Вектор у заряда q2</source>
        <translation>Vector at charge q2</translation>
    </message>
    <message>
        <source>Подпись заряда q1</source>
        <translation>Label of charge q1</translation>
    </message>
    <message>
        <source>Подпись заряда q2</source>
        <translation>Label of charge q2</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Способность частиц (или тел) к электромагнитному взаимодействию характеризует электрический заряд.</source>
        <translation>The ability of particles (or bodies) to interact electromagnetically is described by their electric charge.</translation>
    </message>
    <message>
        <source>Электрический заряд - физическая величина, определяющая силу электромагнитного взаимодействия.</source>
        <translation>Electric charge is a physical quantity that determines the strength of the electromagnetic interaction.</translation>
    </message>
    <message>
        <source>Сила ВЗАИМОДЕЙСТВИЯ между двумя неподвижными точечными зарядами, находящимися в вакууме, прямо пропорциональна произведению модулей зарядов, обратно пропорциональна квадрату расстояния между ними и направлена по прямой, соединяющей заряды.</source>
        <translation>The force of INTERACTION between two stationary point charges in a vacuum is directly proportional to the product of the magnitudes of the charges, inversely proportional to the square of the distance between them, and directed along the straight line joining the charges.</translation>
    </message>
    <message>
        <source>(Вектор) Е = (вектор) F / q0. Единица напряжённости - Н/Кл.</source>
        <translation>(Vector) E = (vector) F / q0. The unit of field strength is the N/C.</translation>
    </message>
    <message>
        <source>Напряжённость  поля - силовая характеристика электростатического поля.</source>
        <translation>Field strength is the force characteristic of an electrostatic field.</translation>
    </message>
    <message>
        <source>Напряжённость электростатического поля - векторная физическая величина, равная отношению силы Кулона, с которой поле действует на пробный положительный заряд, помещённый в данную точку поля, к величине этого заряда.</source>
        <translation>Electrostatic field strength is a vector physical quantity equal to the ratio of the Coulomb force with which the field acts on a positive test charge placed at a given point of the field to the magnitude of that charge.</translation>
    </message>
    <message>
        <source>Точечный заряд - заряженное тело, размер которого много меньше расстояния его возможного действия на другие тела.</source>
        <translation>A point charge is a charged body whose size is much smaller than the distances at which it may act on other bodies.</translation>
    </message>
    <message>
        <source>Алгебраическая сумма зарядов электрически изолированной системы постоянна: Q1 + Q2 + ... + Qn = const.</source>
        <translation>The algebraic sum of the charges of an electrically isolated system is constant: Q1 + Q2 + ... + Qn = const.</translation>
    </message>
    <message>
        <source>F = k*|q1|*|q2|/r^2 - формула ChargeLab, k=9*E+9.</source>
        <translation>F = k*|q1|*|q2|/r^2 - the ChargeLab formula, k=9*E+9.</translation>
    </message>
    <message>
        <source>E = k*|Q|/r^2 = модуль вектора напряжённости, созданного точечным зарядом Q на расстоянии r.</source>
        <translation>E = k*|Q|/r^2 = the magnitude of the field strength vector of a point charge Q at a distance r.</translation>
    </message>
    <message>
        <source>Направление вектора напряжённости совпадает с направлением силы Кулона, действующей на единичный положительный заряд, помещённый в данную точку поля.</source>
        <translation>The field strength vector points the way of the Coulomb force on a unit positive charge placed at the given point of the field.</translation>
    </message>
    <message>
        <source>Выбери тест, изменяя величины зарядов и расстояние, определи направление и величины соответствующих векторов F и E. Желаю удачи!</source>
        <translation>Choose a test; by changing the charges and the distance, find the directions and magnitudes of the vectors F and E. Good luck!</translation>
    </message>
    <message>
        <source>Заряд1=q1</source>
        <translation>Charge1=q1</translation>
    </message>
    <message>
        <source>Заряд2=q2</source>
        <translation>Charge2=q2</translation>
    </message>
    <message>
        <source>Расстояние</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Силы</source>
        <translation>Forces</translation>
    </message>
    <message>
        <source>Напряжённости</source>
        <translation>Field strengths</translation>
    </message>
    <message>
        <source>Тест F</source>
        <translation>Test F</translation>
    </message>
    <message>
        <source>Следующий вопрос</source>
        <translation>Next question</translation>
    </message>
    <message>
        <source>Ввод ответа</source>
        <translation>Enter answer</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Тест E</source>
        <translation>Test E</translation>
    </message>
    <message>
        <source>Силы - 1 клик. Напряжённость - 2 клика</source>
        <translation>Forces - 1 click. Field strength - 2 clicks</translation>
    </message>
</context>
<context>
    <name>WatchForm</name>
    <message>
        <source> сек</source>
        <translation> s</translation>
    </message>
    <message>
        <source> мин</source>
        <translation> min</translation>
    </message>
    <message>
        <source> час</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Секунды</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Минуты</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Часы</source>
        <translation>Hours</translation>
    </message>
</context>
<context>
    <name>WaveWindow</name>
    <message>
        <source>Волна</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>График u</source>
        <translation>Graph u</translation>
    </message>
    <message>
        <source>Оба</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Индуктивность L</source>
        <translation>Inductance L</translation>
    </message>
    <message>
        <source>Ёмкость C</source>
        <translation>Capacitance C</translation>
    </message>
    <message>
        <source>Точек на пи</source>
        <translation>Points per pi</translation>
    </message>
    <message>
        <source>Затухание</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Очистка рисунка</source>
        <translation>Clear picture</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Очистка параметров</source>
        <translation>Reset parameters</translation>
    </message>
    <message>
        <source>Шаг=</source>
        <translation>Step=</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Переполнение: число вышло за допустимые пределы.</source>
        <translation>Overflow: a number went beyond its allowed range.</translation>
    </message>
    <message>
        <source>Деление на ноль.</source>
        <translation>Division by zero.</translation>
    </message>
    <message>
        <source>Недопустимый аргумент математической функции.</source>
        <translation>Invalid argument to a mathematical function.</translation>
    </message>
    <message>
        <source>Ошибка выполнения программы.</source>
        <translation>Run-time error.</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Ошибка выполнения</source>
        <translation>Run-time error</translation>
    </message>
    <message>
        <source>Программа будет закрыта.</source>
        <translation>The program will now close.</translation>
    </message>
    <message>
        <source>Внутренняя ошибка: %1</source>
        <translation>Internal error: %1</translation>
    </message>
</context>
<context>
    <name>ui::Teacher</name>
    <message>
        <source>Крупнее</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Обычный размер</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Рисунки PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Рисунок не сохранён в файл «%1»: %2.</source>
        <translation>The picture was not saved to the file “%1”: %2.</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Это свободная программа: её можно распространять и изменять на условиях Стандартной общественной лицензии GNU версии 3 или любой более поздней версии. Она распространяется без каких-либо гарантий.</source>
        <translation>This is free software: you may redistribute and change it under the terms of the GNU General Public License, version 3 or any later version. It comes with no warranty.</translation>
    </message>
    <message>
        <source>Команды учителя</source>
        <translation>Teacher&apos;s commands</translation>
    </message>
</context>
</TS>
