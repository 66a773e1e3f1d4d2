#include "driver/app/TranslationCatalogues.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
void initTranslationCatalogues() { Q_INIT_RESOURCE(varnex_i18n); }
