# The programs of the suite, in the order the launcher lists them. One line each: the folder
# (also the executable's name), the name the suite calls it by, its icon (a path from the
# source root) and what it shows, in one Russian line for the launcher and the desktop menu.
# A program joins the build, the launcher, the desktop menu and the package as soon as its
# folder has a CMakeLists.txt; LESSON_PROGRAMS lists those folders.

set(LESSON_PROGRAMS "")

macro(lesson_program folder name icon description)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${folder}/CMakeLists.txt)
    list(APPEND LESSON_PROGRAMS ${folder})
    set(LESSON_${folder}_NAME "${name}")
    set(LESSON_${folder}_ICON "${icon}")
    set(LESSON_${folder}_DESCRIPTION "${description}")
  endif()
endmacro()

lesson_program(chargelab2 "ChargeLab2" lessons/icons/chargelab2.svg
  "Два точечных заряда: сила Кулона, напряжённость поля и два теста")
lesson_program(plotter "Plotter" lessons/icons/plotter.svg
  "Графики функций и сигналов: модуляция, детектор, электромагнитная волна, радар")
lesson_program(fringes "Fringes" lessons/icons/fringes.svg
  "Сложение волн, стоячая волна, интерференция, дифракция и спектр")
lesson_program(oscillations "Колебания" lessons/icons/oscillations.svg
  "Затухающие колебания и резонанс в LC-контуре, с тестом")
lesson_program(springbob "SpringBob" lessons/icons/springbob.svg
  "Груз на пружине и равномерное движение по окружности, с тестом")
lesson_program(chargelab "ChargeLab" lessons/icons/chargelab.svg
  "Два точечных заряда: сила Кулона и напряжённость поля")
lesson_program(wave "Волна" lessons/icons/wave.svg
  "Бегущая волна тока и напряжения вдоль линии")
lesson_program(wavesum "WaveSum" lessons/icons/wavesum.svg
  "Две волны, бегущие навстречу, и их сумма")
lesson_program(lenses "Линзы" lessons/icons/lenses.svg
  "Предмет и его изображение в собирающей и рассеивающей линзе")
lesson_program(stopwatch "Секундомер" stopwatch/stopwatch.png
  "Секундомер со стрелкой на циферблате, шрифтами, цветами и звуком")
lesson_program(clock "Часы" clock/clock.png
  "Часы-секундомер со стрелкой на циферблате")
lesson_program(pendulum "Pendulum" lessons/icons/pendulum.svg
  "Математический маятник и равномерное движение по окружности")
lesson_program(projectile "физика" lessons/icons/projectile.svg
  "Выстрел по цели: попадание или промах и полёт снаряда")
