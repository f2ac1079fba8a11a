// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/NotesText.h"

#include "platform/UrlOpener.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QUrl>

namespace ruvo::views {

namespace {

QString plainText(const QString& notes) {
    static const QRegularExpression tag(QStringLiteral("<(/?[a-zA-Z][^>]*|br\\s*/?)>"));
    if (!tag.match(notes).hasMatch())
        return notes;
    return QTextDocumentFragment::fromHtml(notes).toPlainText();
}

QString escaped(QStringView text) {
    return text.toString().toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

// A link, without the punctuation that usually ends the sentence around it.
QString trimmedLink(const QString& link) {
    static const QString trailing = QStringLiteral(".,;:!?)]}'\"");
    QString result = link;
    while (!result.isEmpty() && trailing.contains(result.back()))
        result.chop(1);
    return result;
}

} // namespace

QString notesRichText(const QString& notes) {
    static const QRegularExpression link(
        QStringLiteral("\\b([a-zA-Z][a-zA-Z0-9+.-]*):(//)?[^\\s<>\"]+"));
    const QString text = plainText(notes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QString html;
    qsizetype done = 0;
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString candidate = trimmedLink(m.captured(0));
        const QUrl url(candidate, QUrl::StrictMode);
        if (!url.isValid() || !platform::isOpenableScheme(m.captured(1)))
            continue;
        html += escaped(QStringView(text).mid(done, m.capturedStart() - done));
        html +=
            QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(QString::fromUtf8(url.toEncoded()).toHtmlEscaped(), candidate.toHtmlEscaped());
        done = m.capturedStart() + candidate.size();
    }
    html += escaped(QStringView(text).mid(done));
    return html;
}

} // namespace ruvo::views
