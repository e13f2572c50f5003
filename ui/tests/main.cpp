#include "ui/testkit/testmain.h"

LESSON_TEST_MAIN()
