// SPDX-License-Identifier: GPL-3.0-or-later
// The XML property-list format: the document a settings suite is kept in.
// Objects map to QVariant as: <true/>/<false/> bool, <integer> qlonglong, <real> double,
// <string> QString, <data> QByteArray, <date> QDateTime (UTC), <array> QVariantList,
// <dict> QVariantMap.
#pragma once

#include "kit/Result.h"

#include <QByteArray>
#include <QVariantMap>

namespace ruvo::settings {

QByteArray writePropertyList(const QVariantMap& root);

// Fails on anything that is not a well-formed plist with a <dict> at its root, and on
// arrays and dicts nested more than 64 deep.
kit::Result<QVariantMap> readPropertyList(const QByteArray& document);

// One object as a single line of property-list XML ("<integer>7</integer>"), for messages
// and tests that must tell an integer from a real and a string from a date.
QString propertyListElement(const QVariant& object);

// True when the value is one the format can hold (recursively).
bool isPropertyListObject(const QVariant& value);

} // namespace ruvo::settings
