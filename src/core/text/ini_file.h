#pragma once

#include <QString>
#include <QStringList>

namespace pentad::text {

// An initialisation file of [sections] holding key=value lines, read and written key by key.
// The file is the truth: every read looks at it, every write reaches it at once (atomically).
// Values are kept verbatim apart from surrounding blanks, so "* , *" reads back as written.
// Section and key names match without regard to case; other lines are kept as they are.
// An absent file or key yields the default and is never an error.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    QString value(const QString& section, const QString& key, const QString& fallback) const;
    int intValue(const QString& section, const QString& key, int fallback) const;

    // Returns false (and sets `error`) when the file could not be written.
    bool setValue(const QString& section, const QString& key, const QString& value,
                  QString* error = nullptr);
    bool setIntValue(const QString& section, const QString& key, int value,
                     QString* error = nullptr);

private:
    QStringList readLines() const;

    QString path_;
};

} // namespace pentad::text
