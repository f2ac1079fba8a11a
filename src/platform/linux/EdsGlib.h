// SPDX-License-Identifier: GPL-3.0-or-later
// The Evolution Data Server headers for the EDS calendar store's sources, and the small owners
// of GLib values they hand out.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <libecal/libecal.h>
#include <libedataserver/libedataserver.h>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcEds)

namespace ruvo::platform::eds {

struct GObjectUnref {
    void operator()(gpointer object) const {
        if (object)
            g_object_unref(object);
    }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// An error out-parameter that frees itself.
class GErrorHolder {
public:
    GErrorHolder() = default;
    ~GErrorHolder() { g_clear_error(&m_error); }
    GErrorHolder(const GErrorHolder&) = delete;
    GErrorHolder& operator=(const GErrorHolder&) = delete;
    GError** out() { return &m_error; }
    explicit operator bool() const { return m_error != nullptr; }
    QString message() const { return m_error ? QString::fromUtf8(m_error->message) : QString(); }
    bool isCancelled() const { return g_error_matches(m_error, G_IO_ERROR, G_IO_ERROR_CANCELLED); }

private:
    GError* m_error = nullptr;
};

inline QString fromUtf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

// Takes a string GLib allocated.
inline QByteArray takeBytes(gchar* text) {
    QByteArray bytes(text ? text : "");
    g_free(text);
    return bytes;
}

} // namespace ruvo::platform::eds
