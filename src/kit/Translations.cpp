// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace ruvo::kit {

namespace {

struct Installed {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
    static Installed translators;
    return translators;
}

void remove(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

std::unique_ptr<QTranslator> load(const QLocale& locale, const QString& name,
                                  const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

bool installTranslations(const QString& localeId) {
    Installed& current = installed();
    remove(current.own);
    remove(current.qt);
    const QLocale locale(localeId);
    const QString folder = QStringLiteral(":/i18n");
    current.own = load(locale, QStringLiteral("ruvo"), folder);
    // A language without a translation reads the English texts, and their plural forms.
    if (!current.own)
        current.own = load(QLocale(QLocale::English), QStringLiteral("ruvo"), folder);
    // Qt's own texts (the standard buttons of its dialogs), where the system has them.
    current.qt =
        load(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return current.own != nullptr;
}

} // namespace ruvo::kit
