// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/StatusNotifierItemObject.h"

namespace ruvo::platform {

namespace {

bool samePixmaps(const SniPixmapList& a, const SniPixmapList& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].width != b[i].width || a[i].height != b[i].height || a[i].data != b[i].data)
            return false;
    return true;
}

} // namespace

StatusNotifierItemObject::StatusNotifierItemObject(QString id, QString title, QObject* parent)
    : QObject(parent), m_id(std::move(id)), m_title(std::move(title)) {
    registerSniTypes();
}

void StatusNotifierItemObject::setLabel(const QString& label, const QString& guide) {
    if (label == m_label && guide == m_labelGuide)
        return;
    m_label = label;
    m_labelGuide = guide;
    Q_EMIT XAyatanaNewLabel(m_label, m_labelGuide);
    Q_EMIT propertiesChanged({{QStringLiteral("XAyatanaLabel"), m_label},
                              {QStringLiteral("XAyatanaLabelGuide"), m_labelGuide}});
}

void StatusNotifierItemObject::setPixmaps(const SniPixmapList& pixmaps) {
    if (samePixmaps(pixmaps, m_pixmaps))
        return;
    m_pixmaps = pixmaps;
    Q_EMIT NewIcon();
    Q_EMIT propertiesChanged({{QStringLiteral("IconPixmap"), QVariant::fromValue(m_pixmaps)}});
}

void StatusNotifierItemObject::setToolTip(const QString& title, const QString& description) {
    if (title == m_toolTip.title && description == m_toolTip.description)
        return;
    m_toolTip.title = title;
    m_toolTip.description = description;
    Q_EMIT NewToolTip();
}

void StatusNotifierItemObject::setVisible(bool visible) {
    setStatusParts(visible, m_isPassive);
}

void StatusNotifierItemObject::setPassive(bool isPassive) {
    setStatusParts(m_isVisible, isPassive);
}

// Hidden by the user or standing back for an applet: either way the panel hears one status.
void StatusNotifierItemObject::setStatusParts(bool visible, bool isPassive) {
    const QString before = status();
    m_isVisible = visible;
    m_isPassive = isPassive;
    if (status() == before)
        return;
    Q_EMIT NewStatus(status());
    Q_EMIT propertiesChanged({{QStringLiteral("Status"), status()}});
}

void StatusNotifierItemObject::Activate(int x, int y) {
    Q_EMIT activated(x, y);
}

void StatusNotifierItemObject::SecondaryActivate(int x, int y) {
    Q_EMIT secondaryActivated(x, y);
}

void StatusNotifierItemObject::ContextMenu(int, int) {
    // The panel shows the exported menu itself.
}

void StatusNotifierItemObject::Scroll(int, const QString&) {}

} // namespace ruvo::platform
