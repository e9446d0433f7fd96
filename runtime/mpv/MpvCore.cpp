#include "runtime/mpv/MpvCore.h"

#include "runtime/mpv/MpvInstances.h"
#include "runtime/mpv/MpvNames.h"
#include "runtime/mpv/MpvSoftwareRender.h"

#include <mpv/client.h>
#include <mpv/render.h>

#include <QMetaObject>
#include <QPointer>

#include <deque>
#include <vector>

namespace runtime {

namespace {

MpvCore::EndReason endReasonOf(mpv_end_file_reason reason) {
    switch (reason) {
        case MPV_END_FILE_REASON_EOF:
            return MpvCore::EndReason::Eof;
        case MPV_END_FILE_REASON_STOP:
            return MpvCore::EndReason::Stop;
        case MPV_END_FILE_REASON_QUIT:
            return MpvCore::EndReason::Quit;
        case MPV_END_FILE_REASON_REDIRECT:
            return MpvCore::EndReason::Redirect;
        case MPV_END_FILE_REASON_ERROR:
            break;
    }
    return MpvCore::EndReason::Error;
}

// A QVariant tree as an mpv_node; the holder owns every string and array the node points to.
class NodeHolder {
public:
    explicit NodeHolder(const QVariant& value) { fill(&m_root, value); }
    mpv_node* node() { return &m_root; }

private:
    void fill(mpv_node* dst, const QVariant& value) {
        switch (value.typeId()) {
            case QMetaType::Bool:
                dst->format = MPV_FORMAT_FLAG;
                dst->u.flag = value.toBool() ? 1 : 0;
                return;
            case QMetaType::Int:
            case QMetaType::LongLong:
                dst->format = MPV_FORMAT_INT64;
                dst->u.int64 = value.toLongLong();
                return;
            case QMetaType::Double:
                dst->format = MPV_FORMAT_DOUBLE;
                dst->u.double_ = value.toDouble();
                return;
            case QMetaType::QStringList:
            case QMetaType::QVariantList:
                fillList(dst, value.toList(), {});
                return;
            case QMetaType::QVariantMap: {
                const QVariantMap map = value.toMap();
                fillList(dst, map.values(), map.keys());
                return;
            }
            default:
                dst->format = MPV_FORMAT_STRING;
                dst->u.string = keep(value.toString());
                return;
        }
    }

    void fillList(mpv_node* dst, const QVariantList& values, const QStringList& keys) {
        auto& nodes = m_nodes.emplace_back(static_cast<size_t>(values.size()));
        for (qsizetype i = 0; i < values.size(); ++i) fill(&nodes[static_cast<size_t>(i)], values[i]);
        mpv_node_list& list = m_lists.emplace_back();
        list.num = static_cast<int>(values.size());
        list.values = nodes.data();
        list.keys = nullptr;
        if (!keys.isEmpty()) {
            auto& names = m_keys.emplace_back();
            for (const QString& key : keys) names.push_back(keep(key));
            list.keys = names.data();
        }
        dst->format = keys.isEmpty() ? MPV_FORMAT_NODE_ARRAY : MPV_FORMAT_NODE_MAP;
        dst->u.list = &list;
    }

    char* keep(const QString& text) { return m_strings.emplace_back(text.toUtf8()).data(); }

    mpv_node m_root{};
    std::deque<QByteArray> m_strings;
    std::deque<std::vector<mpv_node>> m_nodes;
    std::deque<mpv_node_list> m_lists;
    std::deque<std::vector<char*>> m_keys;
};

QVariant nodeToVariant(const mpv_node* node) {
    switch (node->format) {
        case MPV_FORMAT_STRING:
        case MPV_FORMAT_OSD_STRING:
            return QString::fromUtf8(node->u.string);
        case MPV_FORMAT_FLAG:
            return node->u.flag != 0;
        case MPV_FORMAT_INT64:
            return static_cast<qlonglong>(node->u.int64);
        case MPV_FORMAT_DOUBLE:
            return node->u.double_;
        case MPV_FORMAT_NODE_ARRAY: {
            QVariantList list;
            for (int i = 0; i < node->u.list->num; ++i) list.append(nodeToVariant(&node->u.list->values[i]));
            return list;
        }
        case MPV_FORMAT_NODE_MAP: {
            QVariantMap map;
            for (int i = 0; i < node->u.list->num; ++i)
                map.insert(QString::fromUtf8(node->u.list->keys[i]), nodeToVariant(&node->u.list->values[i]));
            return map;
        }
        default:
            return {};
    }
}

// The value a property event carries; invalid when the property is unavailable.
QVariant propertyValue(const mpv_event* event) {
    const auto* prop = static_cast<const mpv_event_property*>(event->data);
    if (event->error < 0 || prop->format != MPV_FORMAT_NODE) return {};
    return nodeToVariant(static_cast<const mpv_node*>(prop->data));
}

}  // namespace

MpvCore::MpvCore(MpvInstances& instances, QObject* parent) : QObject(parent), m_instances(instances) {
    adopt(m_instances.spare.take());
}

MpvCore::~MpvCore() {
    if (!m_mpv) return;
    // Callbacks first, so nothing can post to this object once it is gone. The sound stops now;
    // the rest of the teardown is not waited for.
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    if (m_render) mpv_render_context_set_update_callback(m_render, nullptr, nullptr);
    const char* stop[] = {mpvname::kStop, nullptr};
    mpv_command_async(m_mpv, 0, stop);
    m_instances.teardowns.start(m_mpv, m_render);
    m_render = nullptr;
    m_mpv = nullptr;
}

void MpvCore::adopt(const MpvInstance& instance) {
    m_mpv = instance.mpv;
    m_render = instance.render;
    m_error = instance.error;
    if (!m_mpv) return;
    mpv_set_wakeup_callback(m_mpv, &MpvCore::onWakeup, this);
    if (m_render) mpv_render_context_set_update_callback(m_render, &MpvCore::onRenderUpdate, this);
    // Whatever the instance said before it had a callback is drained once now.
    onWakeup(this);
}

void MpvCore::onWakeup(void* self) {
    // Runs on one of mpv's threads and may not call into mpv: hand over to the GUI thread, where
    // one pending drain takes every event that came before it. Queued calls still pending when
    // the object is deleted are dropped with it.
    auto* core = static_cast<MpvCore*>(self);
    if (!core->m_drainPosted.exchange(true))
        QMetaObject::invokeMethod(
            core, [core] { core->drainEvents(); }, Qt::QueuedConnection);
}

void MpvCore::onRenderUpdate(void* self) {
    auto* core = static_cast<MpvCore*>(self);
    if (!core->m_renderPosted.exchange(true))
        QMetaObject::invokeMethod(
            core, [core] { core->drainRenderUpdates(); }, Qt::QueuedConnection);
}

void MpvCore::drainEvents() {
    m_drainPosted = false;
    // A listener may delete this object from any signal below.
    const QPointer<MpvCore> alive(this);
    while (alive && m_mpv) {
        mpv_event* event = mpv_wait_event(m_mpv, 0);
        switch (event->event_id) {
            case MPV_EVENT_NONE:
                return;
            case MPV_EVENT_GET_PROPERTY_REPLY:
                Q_EMIT valueRead(event->reply_userdata, propertyValue(event));
                break;
            case MPV_EVENT_PROPERTY_CHANGE: {
                const auto* prop = static_cast<mpv_event_property*>(event->data);
                const QVariant value = propertyValue(event);
                const QString name = QString::fromUtf8(prop->name);
                m_observed.insert(name, value);
                Q_EMIT propertyChanged(name, value);
                break;
            }
            case MPV_EVENT_COMMAND_REPLY: {
                const auto* cmd = static_cast<mpv_event_command*>(event->data);
                Q_EMIT commandDone(event->reply_userdata, event->error >= 0, nodeToVariant(&cmd->result));
                break;
            }
            case MPV_EVENT_START_FILE:
                Q_EMIT fileStarted(static_cast<mpv_event_start_file*>(event->data)->playlist_entry_id);
                break;
            case MPV_EVENT_FILE_LOADED:
                Q_EMIT fileLoaded();
                break;
            case MPV_EVENT_END_FILE: {
                const auto* end = static_cast<mpv_event_end_file*>(event->data);
                const QString error = end->reason == MPV_END_FILE_REASON_ERROR
                                          ? QString::fromUtf8(mpv_error_string(end->error))
                                          : QString();
                Q_EMIT fileEnded(end->playlist_entry_id, endReasonOf(end->reason), error);
                break;
            }
            case MPV_EVENT_PLAYBACK_RESTART:
                Q_EMIT playbackRestarted();
                break;
            case MPV_EVENT_LOG_MESSAGE: {
                const auto* msg = static_cast<mpv_event_log_message*>(event->data);
                Q_EMIT logMessage(QString::fromUtf8(msg->level), QString::fromUtf8(msg->prefix) +
                                                                     QLatin1String(": ") +
                                                                     QString::fromUtf8(msg->text).trimmed());
                break;
            }
            default:
                break;
        }
    }
}

void MpvCore::drainRenderUpdates() {
    m_renderPosted = false;
    if (m_render && (mpv_render_context_update(m_render) & MPV_RENDER_UPDATE_FRAME)) Q_EMIT frameDue();
}

void MpvCore::setValue(const char* name, const QVariant& value) {
    if (!m_mpv) return;
    NodeHolder node(value);
    mpv_set_property_async(m_mpv, 0, name, MPV_FORMAT_NODE, node.node());
}

QVariant MpvCore::value(const char* name) const {
    if (!m_mpv) return {};
    mpv_node node;
    if (mpv_get_property(m_mpv, name, MPV_FORMAT_NODE, &node) < 0) return {};
    QVariant result = nodeToVariant(&node);
    mpv_free_node_contents(&node);
    return result;
}

void MpvCore::observe(const char* name) {
    if (m_mpv) mpv_observe_property(m_mpv, 0, name, MPV_FORMAT_NODE);
}

void MpvCore::valueAsync(const char* name, quint64 id) {
    if (m_mpv) mpv_get_property_async(m_mpv, id, name, MPV_FORMAT_NODE);
}

void MpvCore::commandAsync(const QStringList& args, quint64 id) {
    if (!m_mpv) return;
    NodeHolder node{QVariant(args)};
    mpv_command_node_async(m_mpv, id, node.node());
}

bool MpvCore::enableSoftwareRender(QString* error) {
    if (!m_render && error) *error = m_error;
    return m_render != nullptr;
}

bool MpvCore::renderFrame(QSize size, qsizetype stride, void* pixels, bool skip) {
    return m_render && !size.isEmpty() && pixels &&
           renderSoftwareFrame(m_render, size.width(), size.height(), size_t(stride), pixels, skip);
}

}  // namespace runtime
