#include "about/AboutTexts.h"

#include "resources/ProductInfo.h"

#include <QStringList>

namespace about {

QString versionLabel(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString detailsMessage() {
    using namespace quorvel::product;
    return QStringList{QStringLiteral("Quorvel version 1.0.0"),
                       QStringLiteral("Lecteur de fichier Flash FLV"),
                       QString(),
                       QStringLiteral("Auteur : ") + kAuthorship,
                       QStringLiteral("E-Mail : ") + kAuthorAddress,
                       QStringLiteral("Url : ") + kMakerSite,
                       QString()}
        .join(QLatin1Char('\r'));
}

}  // namespace about
