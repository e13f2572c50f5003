# SPDX-License-Identifier: GPL-3.0-or-later
# The programs of the suite, in the order the launcher lists them. One line each: the folder
# (also the executable's name), the name the suite calls it by, its icon (a path from the
# source root) and what it shows, in one Russian line for the launcher and the desktop menu, then
# in English for the manual page and the software centre.
# A program joins the build, the launcher, the desktop menu and the package as soon as its
# folder has a CMakeLists.txt; LESSON_PROGRAMS lists those folders.

set(LESSON_PROGRAMS "")

macro(lesson_program folder name icon description english)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${folder}/CMakeLists.txt)
    list(APPEND LESSON_PROGRAMS ${folder})
    set(LESSON_${folder}_NAME "${name}")
    set(LESSON_${folder}_ICON "${icon}")
    set(LESSON_${folder}_DESCRIPTION "${description}")
    set(LESSON_${folder}_ENGLISH "${english}")
  endif()
endmacro()

lesson_program(chargelab2 "ChargeLab2" lessons/icons/chargelab2.svg
  "Два точечных заряда: сила Кулона, напряжённость поля и два теста"
  "Two point charges: Coulomb's force, the field strengths and two tests")
lesson_program(plotter "Plotter" lessons/icons/plotter.svg
  "Графики функций и сигналов: модуляция, детектор, электромагнитная волна, радар"
  "Graphs of functions and signals: modulation, detector, electromagnetic wave, radar")
lesson_program(fringes "Fringes" lessons/icons/fringes.svg
  "Сложение волн, стоячая волна, интерференция, дифракция и спектр"
  "Superposed and standing waves, interference, diffraction and the spectrum")
lesson_program(oscillations "Колебания" lessons/icons/oscillations.svg
  "Затухающие колебания и резонанс в LC-контуре, с тестом"
  "Damped oscillations and resonance in an LC circuit, with a quiz")
lesson_program(springbob "SpringBob" lessons/icons/springbob.svg
  "Груз на пружине и равномерное движение по окружности, с тестом"
  "A weight on a spring beside uniform circular motion, with a quiz")
lesson_program(chargelab "ChargeLab" lessons/icons/chargelab.svg
  "Два точечных заряда: сила Кулона и напряжённость поля"
  "Two point charges: Coulomb's force and the field strengths")
lesson_program(wave "Волна" lessons/icons/wave.svg
  "Бегущая волна тока и напряжения вдоль линии"
  "A travelling wave of current and voltage along a line")
lesson_program(wavesum "WaveSum" lessons/icons/wavesum.svg
  "Две волны, бегущие навстречу, и их сумма"
  "Two waves running in opposite directions and their sum")
lesson_program(lenses "Линзы" lessons/icons/lenses.svg
  "Предмет и его изображение в собирающей и рассеивающей линзе"
  "An object and its image in a converging or diverging thin lens")
lesson_program(stopwatch "Секундомер" stopwatch/stopwatch.png
  "Секундомер со стрелкой на циферблате, шрифтами, цветами и звуком"
  "A stopwatch with a seconds hand on a dial, fonts, colours and sound")
lesson_program(clock "Часы" clock/clock.png
  "Часы-секундомер со стрелкой на циферблате"
  "A clock-face stopwatch with a seconds hand on a dial")
lesson_program(pendulum "Pendulum" lessons/icons/pendulum.svg
  "Математический маятник и равномерное движение по окружности"
  "A simple pendulum beside uniform circular motion")
lesson_program(projectile "физика" lessons/icons/projectile.svg
  "Выстрел по цели: попадание или промах и полёт снаряда"
  "A shot at a target: hit or miss, and the flight of the shell")
