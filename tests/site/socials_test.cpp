#include "site_lists_fixture.h"
