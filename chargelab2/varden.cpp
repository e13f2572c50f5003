// SPDX-License-Identifier: GPL-3.0-or-later
#include "varden.h"

#include "labstyle.h"

using chargelab::kPale;
using chargelab::kTeal;
using chargelab::sans;
using chargelab::styleBox;
using chargelab::styleLabel;
using chargelab::styleTag;
using chargelab::times;
using ui::Align;
using ui::FontSpec;
using ui::RGB;

namespace {

const ui::Color kLightGrey = RGB(224, 224, 224);

}  // namespace

Varden::Varden()
    : ui::Form(QStringLiteral("ChargeLab"), 7695, 7395),
      lab_({*this, Option1, HScroll1, HScroll2, HScroll3, Picture1, Text1, Text2, Text3, Text4,
            Text5, Text6, Text7, Text8, Text10, Text11},
           chargelab::LabVariant{}) {
  setUpLook();
  bindHandlers();
}

void Varden::setUpLook() {
  setBackColor(kTeal);
  setFillColor(RGB(255, 0, 0));
  setFont(times(9.75));
  setResizable(false);
  setUpValueControls();
  setUpPicture();
}

// The captions, value boxes, scroll bars and option buttons above the picture.
void Varden::setUpValueControls() {
  styleLabel(Label2, ui::kBlack, sans(12, true, true));
  styleLabel(Label3, ui::kBlack, sans(12, true, true));
  styleLabel(Label1, ui::kBlack, sans(12, true));
  styleLabel(Label4, RGB(192, 0, 0), times(15.75, true));
  styleLabel(Label7, RGB(0, 0, 255), times(14.25, true));
  styleLabel(Label6, RGB(0, 192, 192), sans(13.5, true));
  styleLabel(Label5, RGB(0, 0, 255), sans(13.5, true));

  styleBox(Text1, ui::kBlack, sans(12, true), tr("Заряд q1"));
  styleBox(Text2, ui::kBlack, sans(12, true), tr("Заряд q2"));
  styleBox(Text3, RGB(255, 0, 0), sans(13.5, true), tr("Сила Кулона"));
  styleBox(Text6, RGB(0, 192, 192), sans(13.5, true), tr("Модуль E2"));
  styleBox(Text4, RGB(0, 0, 255), sans(13.5, true), tr("Модуль E1"));
  for (ui::TextBox* box : {&Text1, &Text2, &Text3, &Text4})
    box->setAlignment(Align::Center);
  styleBox(Text5, ui::kBlack, sans(12, true), tr("Расстояние r"));
  Text5.setBackColor(kPale);
  Text5.setBorderStyle(0);
  Text5.setAlignment(Align::Center);

  HScroll1.setAccessibleName(tr("Заряд q1, нКл"));
  HScroll2.setAccessibleName(tr("Заряд q2, нКл"));
  HScroll3.setAccessibleName(tr("Расстояние r, см"));

  Option1.setBackColor(kTeal);
  Option1.setForeColor(RGB(128, 0, 0));
  Option1.setFont(times(15.75, true));
  Option2.setBackColor(kTeal);
  Option2.setForeColor(RGB(0, 0, 255));
  Option2.setFont(times(14.25));
}

// The picture and the controls inside it: the test buttons, the message area and the labels
// of the drawing.
void Varden::setUpPicture() {
  Picture1.setBackColor(kPale);
  Picture1.setDrawWidth(2);
  Picture1.setFont(sans(8.25));
  Check1.setBackColor(kLightGrey);
  Command1.setBackColor(kLightGrey);
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&Check1, &Check2, &Command1, &Command2, &Command3})
    c->setFont(sans(8.25));
  Command1.setEnabled(false);
  Command2.setEnabled(false);

  Text12.setBackColor(kPale);
  Text12.setFont(FontSpec{QStringLiteral("Arial"), 9.75, true, false, false});
  Text12.setAlignment(Align::Center);
  Text12.setAccessibleName(tr("Сообщения"));
  styleTag(Text10, tr("Вектор у заряда q1"));
  styleTag(Text11, tr("Вектор у заряда q2"));
  styleTag(Text7, tr("Подпись заряда q1"));
  styleTag(Text8, tr("Подпись заряда q2"));
  Text9.setBackColor(kPale);
  Text9.setBorderStyle(0);
  Text9.setFont(sans(8.25));
  Text9.setAlignment(Align::Center);
  Text9.setAccessibleName(tr("Подсказка"));

  Line14.setForeColor(RGB(0, 192, 192));
  Line15.setForeColor(RGB(0, 0, 255));
}

void Varden::bindHandlers() {
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  // The charges follow the thumb while it is dragged; the distance only when it is let go.
  HScroll1.onScroll = [this] { HScroll1_Change(); };
  HScroll2.onScroll = [this] { HScroll2_Change(); };
  HScroll3.onChange = [this] { HScroll3_Change(); };
  Option1.onClick = [this] { Option1_Click(); };
  Option2.onClick = [this] { Option2_Click(); };
  Picture1.onClick = [this] { Picture1_Click(); };
  Picture1.onDblClick = [this] { Picture1_DblClick(); };
  Check1.onClick = [this] { Check1_Click(); };
  Check2.onClick = [this] { Check2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };

  auto help = [this](ui::Control& c, const QString& text) {
    c.onClick = [this, text] { showHelp(text); };
  };
  help(Label2, tr("Способность частиц (или тел) к электромагнитному взаимодействию характеризует "
                  "электрический заряд."));
  help(Label3, tr("Электрический заряд - физическая величина, определяющая силу электромагнитного "
                  "взаимодействия."));
  help(Label4,
       tr("Сила ВЗАИМОДЕЙСТВИЯ между двумя неподвижными точечными зарядами, находящимися в "
          "вакууме, прямо пропорциональна произведению модулей зарядов, обратно пропорциональна "
          "квадрату расстояния между ними и направлена по прямой, соединяющей заряды."));
  help(Label5, tr("(Вектор) Е = (вектор) F / q0. Единица напряжённости - Н/Кл."));
  help(Label6, tr("Напряжённость  поля - силовая характеристика электростатического поля."));
  help(Label7, tr("Напряжённость электростатического поля - векторная физическая величина, равная "
                  "отношению силы Кулона, с которой поле действует на пробный положительный заряд, "
                  "помещённый в данную точку поля, к величине этого заряда."));
  help(Text1, tr("Точечный заряд - заряженное тело, размер которого много меньше расстояния его "
                 "возможного действия на другие тела."));
  help(Text2,
       tr("Алгебраическая сумма зарядов электрически изолированной системы постоянна: Q1 + Q2 + "
          "... + Qn = const."));
  help(Text3, tr("F = k*|q1|*|q2|/r^2 - формула ChargeLab, k=9*E+9."));
  help(Text4, tr("E = k*|Q|/r^2 = модуль вектора напряжённости, созданного точечным зарядом Q на "
                 "расстоянии r."));
  help(Text6,
       tr("Направление вектора напряжённости совпадает с направлением силы Кулона, действующей "
          "на единичный положительный заряд, помещённый в данную точку поля."));
}

void Varden::Form_Load() {
  InitLab();
  Text12.setFontSize(16);
  Text12.setText(
      tr("Выбери тест, изменяя величины зарядов и расстояние, определи направление и величины "
         "соответствующих векторов F и E. Желаю удачи!"));
}

void Varden::Form_DblClick() {
  ui::End();
}

void Varden::showHelp(const QString& text) {
  Text12.setText(text);
}

void Varden::HScroll1_Change() {
  lab_.quantityUpdate();
}

void Varden::HScroll2_Change() {
  HScroll1_Change();
}

void Varden::HScroll3_Change() {
  lab_.distanceUpdate();
}

void Varden::Option1_Click() {
  if (Option1.value()) DrawForces();
}

void Varden::Option2_Click() {
  if (Option2.value()) DrawFieldStrengths();
}

void Varden::Picture1_Click() {
  Picture1_Change();
}

void Varden::Picture1_Change() {
  DrawForces();
}

void Varden::Picture1_DblClick() {
  Picture1.cls();
  DrawFieldStrengths();
}
