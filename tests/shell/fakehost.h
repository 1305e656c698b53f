// A recording host for the connection class: an "Add-Ins" bar (or none)
// whose entries remember their caption, group and deletion, click sources
// that a test can fire, and switches that make host operations fail.
#pragma once

#include <stdexcept>

#include "hostsdk/hostsdk.h"

#include <QStringList>

#include <memory>

class FakeHost final : public hostsdk::VBE,
                       public hostsdk::CommandBars,
                       public hostsdk::CommandBar,
                       public hostsdk::CommandBarControls,
                       public hostsdk::Events {
public:
    struct Entry final : hostsdk::CommandBarControl {
        explicit Entry(FakeHost &host) : host(host) {}
        FakeHost &host;
        QString caption;
        bool group = false;
        bool deleted = false;

        QString Caption() const override { return live().caption; }
        void setCaption(const QString &text) override
        {
            if (host.failCaption)
                throw hostsdk::HostError(-1, QStringLiteral("caption refused"));
            live().caption = text;
        }
        bool BeginGroup() const override { return live().group; }
        void setBeginGroup(bool on) override { live().group = on; }
        void Delete() override
        {
            if (host.failDeleteOddly)
                throw std::logic_error("broken invariant");
            live().deleted = true;
            host.log << QStringLiteral("delete:") + caption;
        }
        const Entry &live() const
        {
            if (deleted)
                throw hostsdk::HostError(-2147467259, QStringLiteral("entry deleted"));
            return *this;
        }
        Entry &live() { return const_cast<Entry &>(static_cast<const Entry &>(*this).live()); }
    };

    struct Source final : hostsdk::CommandBarEvents {
        std::shared_ptr<Entry> entry;
        QList<hostsdk::CommandBarEventsSink *> sinks;
        void Advise(hostsdk::CommandBarEventsSink *sink) override { sinks.append(sink); }
        void Unadvise(hostsdk::CommandBarEventsSink *sink) override { sinks.removeAll(sink); }
    };

    // Switches.
    bool hasAddInsBar = true;
    bool failAdd = false;
    bool failCaption = false;
    bool failEvents = false;
    bool failEventsOddly = false; // with something that is not a std::exception
    bool failDeleteOddly = false; // with an error that is neither the host's nor the platform's

    QStringList log;
    QList<std::shared_ptr<Entry>> entries; // every entry ever added, in order
    QList<std::shared_ptr<Source>> sources; // every click source handed out, kept as a host keeps them

    // The live entries as the menu shows them: "-" for each group separator.
    QStringList menu() const
    {
        QStringList items;
        for (const auto &entry : entries) {
            if (entry->deleted)
                continue;
            if (entry->group)
                items << QStringLiteral("-");
            items << entry->caption;
        }
        return items;
    }

    // Sinks advised on all live sources.
    int advisedSinks() const
    {
        int count = 0;
        for (const auto &source : sources)
            count += int(source->sinks.size());
        return count;
    }

    // Clicks the live entry with `caption`: every sink of its sources hears it.
    // False when there is no such entry.
    bool click(const QString &caption)
    {
        for (const auto &entry : entries) {
            if (entry->deleted || entry->caption != caption)
                continue;
            const hostsdk::CommandBarControlPtr control = entry;
            for (const auto &source : sources) {
                if (source->entry != entry)
                    continue;
                for (hostsdk::CommandBarEventsSink *sink : QList(source->sinks)) {
                    bool handled = false, cancel = false;
                    sink->Click(control, handled, cancel);
                }
            }
            return true;
        }
        return false;
    }

    // VBE
    hostsdk::CommandBars &CommandBars() override { return *this; }
    hostsdk::Events &Events() override { return *this; }
    // CommandBars
    hostsdk::CommandBarPtr Item(const QString &name) override
    {
        log << QStringLiteral("bar:") + name;
        if (!hasAddInsBar || name != QLatin1String("Add-Ins"))
            return nullptr;
        return hostsdk::CommandBarPtr(std::shared_ptr<void>(), static_cast<hostsdk::CommandBar *>(this));
    }
    // CommandBar
    QString Name() const override { return QStringLiteral("Add-Ins"); }
    hostsdk::CommandBarControls &Controls() override { return *this; }
    // CommandBarControls
    hostsdk::CommandBarControlPtr Add(int type) override
    {
        if (failAdd)
            throw hostsdk::HostError(-1, QStringLiteral("add refused"));
        log << QStringLiteral("add:%1").arg(type);
        auto entry = std::make_shared<Entry>(*this);
        entries.append(entry);
        return entry;
    }
    int Count() const override { return int(menu().size()); }
    // Events
    hostsdk::CommandBarEventsPtr CommandBarEvents(const hostsdk::CommandBarControlPtr &control) override
    {
        if (failEvents)
            throw hostsdk::HostError(-2147221164, QStringLiteral("Class not registered"));
        if (failEventsOddly)
            throw 42;
        auto entry = std::dynamic_pointer_cast<Entry>(control);
        if (!entry)
            throw hostsdk::HostError(5, QStringLiteral("Invalid procedure call or argument"));
        log << QStringLiteral("events:") + entry->caption;
        auto source = std::make_shared<Source>();
        source->entry = entry;
        sources.append(source);
        return source;
    }
};
