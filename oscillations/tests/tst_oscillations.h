// Tests of the LC circuit lesson: the main window driven as a pupil drives it, and the quiz.
#pragma once

#include <QObject>

class OscillationsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  // Form1
  void loadShowsDefaults();
  void amplitudeIsTheSameAtEveryStart();
  void parameterLabels_data();
  void parameterLabels();
  void pointsLabelShowsRawValueAfterChange();
  void phaseOptionsHideOneBarAndResetBoth();
  void clearingPictureResetsTimeAndChoice();
  void parameterButtonDrawsNewAmplitude();
  void formulaTexts_data();
  void formulaTexts();
  void graphPointsFollowDampedFormula();
  void traceRestartsAtLeftEdge();
  void bothCurvesReadOptionsAtEveryPoint();
  void graphsDrawOverOldCurves();
  void stopEndsNestedLoops();
  void resonance_data();
  void resonance();
  void resonanceFinestStep();
  void resizeKeepsOffsetsFromEdges();
  void resizeToTinyWindowKeepsPictureSize();
  void quizButtonShowsQuizWindow();
  void clickOnBareWindowEnds();
  void monkey();

  // Form2
  void quizStartsWithQuestionsHidden();
  void questionButtons_data();
  void questionButtons();
  void allFourCorrectGivesFive();
  void clicksAreCountedNotQuestions();
  void grades_data();
  void grades();
  void emptyCountersAskToChoose();
  void checkRightAfterOpening();
  void checkCurrentQuestion();
  void resetClearsCountersAndSelection();
  void hidingKeepsState();
  void optionsExcludeOnlyWithinTheirQuestion();
  void anotherDesignBringsItsOwnAnswersAndFont();
};
