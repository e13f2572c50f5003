// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

Form2::Form2() : Form(QStringLiteral("Form2"), 6780, 4530) {
  Text1.setFont({QStringLiteral("MS Sans Serif"), 13.5});
  Text1.setAccessibleName(tr("Справка"));
}

void Form2::Form_Load() {
  Text1.setText(
      tr("Выберите вид линзы и нажмите кнопку 'Линзы'.  Измените расстояние от линзы до предмета "
         "(предмет синего цвета), передвигая бегунок скроллбара под текстовым окном . Наблюдайте "
         "изменение изображения. Действительное изображение красного цвета, мнимое голубого. При "
         "изменении размеров окна нажмите кнопку 'Линзы' ещё раз."));
}
