#pragma once

#include <QString>

// Who makes Quorvel and how to reach them, shown by the main window and the About box.
namespace quorvel::product {

inline const QString kTitle = QStringLiteral("Quorvel");
inline const QString kMakerSite = QStringLiteral("https://quorvel.org");
inline const QString kContactAddress = QStringLiteral("aide@quorvel.org");
inline const QString kAuthorAddress = QStringLiteral("auteur@quorvel.org");
inline const QString kAuthorship = QStringLiteral("Quorvel, lecteur libre créé par l'équipe Quorvel");

}  // namespace quorvel::product
