#include "lang/Language.h"

namespace quarn::testing_support {

void useLanguage(int language) {
    setLanguage(language);
}

} // namespace quarn::testing_support
