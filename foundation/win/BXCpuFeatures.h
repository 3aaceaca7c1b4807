// The processor's feature mask, read from the system facts once and kept (a
// scoped override of the facts is read afresh on the next call). Any thread.
#pragma once

#include <cstdint>

constexpr uint32_t kCpuBase = 0x1; // always set
constexpr uint32_t kCpuMmx = 0x2;
constexpr uint32_t kCpuSse = 0x4;
constexpr uint32_t kCpuSse2 = 0x8;
constexpr uint32_t kCpuSse3 = 0x10;
constexpr uint32_t kCpuSsse3 = 0x20;
constexpr uint32_t kCpuSse4a = 0x40;
constexpr uint32_t kCpuSse41 = 0x80;
constexpr uint32_t kCpuSse42 = 0x100;
constexpr uint32_t kCpuAvx = 0x200; // and the OS saves the AVX state
constexpr uint32_t kCpu64Bit = 0x400;
constexpr uint32_t kCpuIntelVendor = 0x10000;

uint32_t GetCpuFeatures();
