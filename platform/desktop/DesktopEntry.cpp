#include "platform/desktop/DesktopEntry.h"

#include <algorithm>

namespace platform::desktop_entry {

QString execArgument(const QString& argument) {
    // Some launchers (xdg-open without a desktop environment) cannot read a quoted program path,
    // so only an argument holding a reserved character is quoted.
    const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = argument.isEmpty() || std::any_of(argument.begin(), argument.end(),
                                                         [&](QChar c) { return reserved.contains(c); });
    QString quoted = quote ? QStringLiteral("\"") : QString();
    for (const QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) quoted += u'\\';
        if (c == u'%') quoted += u'%';
        quoted += c;
    }
    if (quote) quoted += u'"';
    // The string-value escapes apply to the whole value before the Exec quoting is read.
    QString escaped;
    for (const QChar c : quoted) {
        switch (c.unicode()) {
            case '\\':
                escaped += QStringLiteral("\\\\");
                break;
            case '\n':
                escaped += QStringLiteral("\\n");
                break;
            case '\t':
                escaped += QStringLiteral("\\t");
                break;
            case '\r':
                escaped += QStringLiteral("\\r");
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

QByteArray entryText(const QString& programPath) {
    const QString text =
        QStringLiteral(
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Version=1.0\n"
            "Name=Quorvel\n"
            "GenericName=Lecteur vidéo FLV\n"
            "Comment=Lecteur de Fichiers Flash FLV\n"
            "Exec=%1 %f\n"
            "Icon=quorvel\n"
            "Terminal=false\n"
            "MimeType=%2;\n"
            "Categories=AudioVideo;Video;Player;\n"
            "%3\n")
            .arg(execArgument(programPath), QLatin1String(kMimeType), QLatin1String(kMarkerLine));
    return text.toUtf8();
}

}  // namespace platform::desktop_entry
