// Implementation follows.
#include "platform/dao/dao.h"
