// SPDX-License-Identifier: GPL-3.0-or-later
// The questions and messages of a row's actions. The program answers them with dialogs
// (DialogPrompter); tests answer them directly.
#pragma once

#include <QString>

class QWidget;

namespace ruvo::views {

class Prompter {
public:
    enum class DeleteChoice { cancel, thisOccurrence, wholeSeries };

    virtual ~Prompter() = default;
    // Deleting an occurrence of a repeating event: this one, the whole series, or nothing.
    virtual DeleteChoice askDeleteRepeating(const QString& title) = 0;
    virtual bool confirmDelete(const QString& title) = 0;
    // The warning before hiding a repeating event; true to hide it anyway.
    virtual bool confirmHideRepeating(const QString& warning) = 0;
    virtual void showTip(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
};

// Message boxes over `parent` (may be null).
class DialogPrompter final : public Prompter {
public:
    explicit DialogPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    DeleteChoice askDeleteRepeating(const QString& title) override;
    bool confirmDelete(const QString& title) override;
    bool confirmHideRepeating(const QString& warning) override;
    void showTip(const QString& text) override;
    void showError(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace ruvo::views
