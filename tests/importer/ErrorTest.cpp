#include "ImportTestUtil.h"
#include <gtest/gtest.h>
