#include "core_figures.h"

#include "child.h"
#include "measure.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace vatro::bench {

namespace fs = std::filesystem;

std::map<std::string, Micro> runCoreBenchmarks(const Settings& settings, std::string& failure) {
    std::map<std::string, Micro> results;
    const fs::path out =
        fs::temp_directory_path() / ("vatro-bench-" + std::to_string(getpid()) + ".json");
    Environment env = platformEnvironment(settings, "offscreen", {});
    char minTime[32];
    std::snprintf(minTime, sizeof minTime, "%g", settings.minTime);
    const Child child = run(settings.programs / "vatro_bench_core",
                            {"--benchmark_out=" + out.string(), "--benchmark_out_format=json",
                             "--benchmark_repetitions=" + std::to_string(settings.repetitions),
                             "--benchmark_report_aggregates_only=true",
                             std::string("--benchmark_min_time=") + minTime},
                            env, settings.quiz, 600'000);
    std::ifstream file(out, std::ios::binary);
    const std::string json((std::istreambuf_iterator<char>(file)), {});
    fs::remove(out);
    if (!child.ok) {
        failure = child.failure;
        return results;
    }
    const QJsonArray benchmarks =
        QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["benchmarks"].toArray();
    const std::map<std::string, double> unitNs = {{"ns", 1}, {"us", 1e3}, {"ms", 1e6}, {"s", 1e9}};
    for (const QJsonValue& value : benchmarks) {
        const QJsonObject entry = value.toObject();
        if (entry["error_occurred"].toBool()) {
            failure += entry["run_name"].toString().toStdString() + ": " +
                       entry["error_message"].toString().toStdString() + "\n";
            continue;
        }
        if (entry["aggregate_name"].toString() != QLatin1String("median"))
            continue;
        Micro micro;
        const std::string unit = entry["time_unit"].toString().toStdString();
        // Processor time: a busy neighbour on a shared machine stretches the wall clock.
        const double scale = unitNs.count(unit) ? unitNs.at(unit) : 1;
        micro.ns = entry["cpu_time"].toDouble() * scale;
        micro.wallNs = entry["real_time"].toDouble() * scale;
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            if (it.value().isDouble())
                micro.counters[it.key().toStdString()] = it.value().toDouble();
        }
        results[entry["run_name"].toString().toStdString()] = micro;
    }
    return results;
}

} // namespace vatro::bench
