// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/testkit/testmain.h"

LESSON_TEST_MAIN()
