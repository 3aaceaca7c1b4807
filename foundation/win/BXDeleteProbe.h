// Delete probes: a caller that hands control to code which may destroy an
// object watches it with a probe and learns afterwards whether it still
// exists. The host flags every live probe when it is destroyed. One thread.
#pragma once

#include <algorithm>
#include <vector>

class BXDeleteProbeHost;

class BXDeleteProbe {
public:
    explicit BXDeleteProbe(BXDeleteProbeHost& host);
    ~BXDeleteProbe();
    BXDeleteProbe(const BXDeleteProbe&) = delete;
    BXDeleteProbe& operator=(const BXDeleteProbe&) = delete;
    bool IsDeleted() const { return m_host == nullptr; }

private:
    friend class BXDeleteProbeHost;
    BXDeleteProbeHost* m_host;
};

class BXDeleteProbeHost {
public:
    BXDeleteProbeHost() = default;
    BXDeleteProbeHost(const BXDeleteProbeHost&) = delete;
    BXDeleteProbeHost& operator=(const BXDeleteProbeHost&) = delete;
    ~BXDeleteProbeHost()
    {
        for (BXDeleteProbe* probe : m_probes)
            probe->m_host = nullptr;
    }

private:
    friend class BXDeleteProbe;
    std::vector<BXDeleteProbe*> m_probes;
};

inline BXDeleteProbe::BXDeleteProbe(BXDeleteProbeHost& host) : m_host(&host)
{
    host.m_probes.push_back(this);
}

inline BXDeleteProbe::~BXDeleteProbe()
{
    if (m_host != nullptr) {
        auto& probes = m_host->m_probes;
        probes.erase(std::remove(probes.begin(), probes.end(), this), probes.end());
    }
}
