#include "player/movie/views/CallbackView.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

namespace movie {

CallbackView::CallbackView(const ViewContext& context, QNetworkAccessManager& network, QObject* parent)
    : QObject(parent), m_context(context), m_network(network) {
    connect(&m_context.updates, &ViewUpdates::item, this, [this](int index) {
        m_item = index;
        m_started = m_ended = false;
    });
    connect(&m_context.updates, &ViewUpdates::state, this, [this](PlayerState state) {
        if (state == PlayerState::Playing && !m_started) {
            m_started = true;
            m_ended = false;
            report(QStringLiteral("start"));
        } else if (state == PlayerState::Completed && !m_ended) {
            m_ended = true;
            m_started = false;
            report(QStringLiteral("end"));
        }
    });
}

QUrl CallbackView::reportUrl(int item, const QString& state) const {
    QUrl url(m_context.config.text(configkey::kCallback), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return {};
    if (item < 0 || item >= m_context.feed.size()) return {};
    const FeedItem& entry = m_context.feed.at(item);
    QUrlQuery query(url);
    for (const auto& [name, value] :
         {std::pair{QStringLiteral("file"), entry.file}, std::pair{QStringLiteral("title"), entry.title},
          std::pair{QStringLiteral("id"), entry.id}, std::pair{QStringLiteral("state"), state}})
        query.addQueryItem(name, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    url.setQuery(query);
    return url;
}

void CallbackView::report(const QString& state) {
    const QUrl url = reportUrl(m_item, state);
    if (url.isEmpty()) return;
    QNetworkRequest request(url);
    request.setTransferTimeout(10000);
    QNetworkReply* reply = m_network.get(request);
    connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}

}  // namespace movie
