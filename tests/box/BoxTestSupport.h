#pragma once

// Shared by the box tests: an observer of transfers, transfers with a
// deadline, random projects the box can hold.

#include <BoxTable.h>
#include <ProjectState.h>
#include <Transfer.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

// The English of each text, as ramvik-cli prints them.
inline std::vector<std::string> English(const std::vector<UserText>& texts)
{
    std::vector<std::string> english;
    for (const UserText& text : texts)
        english.push_back(text.English());
    return english;
}

// What a transfer told its dialog; every call after Finished is a fault.
struct RecordingObserver : CTransferObserver {
    void Progress(int position) override
    {
        Note();
        progress = position;
    }
    void Message(const UserText& text) override
    {
        Note();
        messages.push_back(text.English());
    }
    void EnableClose() override { Note(); }
    void CloseDialog() override { Note(); }
    void Finished(TransferOutcome) override
    {
        Note();
        ++finishedCalls;
    }
    void Note() { afterFinished |= finishedCalls > 0; }

    int progress = -1; // -1: never moved
    int finishedCalls = 0;
    std::vector<std::string> messages;
    bool afterFinished = false;
};

// The settle wait of the link opening, left out so tests run at once.
inline void NoWait(std::chrono::milliseconds) { }

// Runs a transfer on a worker, as the dialogs do; a hang fails the test.
template <typename Transfer> TransferOutcome RunWithDeadline(Transfer& transfer)
{
    auto running = std::async(std::launch::async, [&transfer] { return transfer.Run(); });
    if (running.wait_for(std::chrono::seconds(20)) != std::future_status::ready)
        ADD_FAILURE() << "the transfer hangs";
    return running.get();
}

// Writes the project (verified, with a backup first when asked), or reads
// from the box: the outcome and the project read.
inline std::pair<TransferOutcome, std::unique_ptr<ProjectState>> RunTransfer(bool read,
    const ProjectState& project, std::unique_ptr<CLink> link, RecordingObserver& observer,
    bool backup = false)
{
    if (!read) {
        CWriteTransfer write(project, std::move(link), observer, NoWait);
        write.SetBackup(backup);
        return { RunWithDeadline(write), nullptr };
    }
    CReadTransfer transfer(project, std::move(link), observer, NoWait);
    const TransferOutcome outcome = RunWithDeadline(transfer);
    return { outcome, transfer.TakeProject() };
}

// A project the box can hold, on the box's grid (points in 20 mV steps,
// voltages in 0.1 V steps, CR points between start and stop, which a read
// puts back on the line of slope 1).
inline void RandomBoxProject(ProjectState& project, int boxType, std::mt19937& random)
{
    auto pick
        = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    project.SetBoxType(boxType);
    const int start = pick(0, 50);
    const int stop = pick(start, 50);
    const int delay = pick(0, 240);
    project.startVoltage = start / 10.0;
    project.stopVoltage = stop / 10.0;
    project.curveDelay = 20 * pick(0, 25);
    project.startDelayMin = delay / 60;
    project.startDelaySec = delay % 60;
    project.ResetCrCurve();
    for (int i = pick(0, 58); i > 0; --i)
        project.crCurve.Add(pick(5 * start, 5 * stop) / 50.0, pick(0, 250) / 50.0);
    project.ResetTurboCurve();
    for (int i = pick(0, 61); i > 0; --i)
        project.turboCurve.Add(pick(1, 250) / 50.0, pick(0, 250) / 50.0);
    project.crCurve.Add(project.startVoltage, project.startVoltage);
    project.crCurve.Add(project.stopVoltage, project.stopVoltage);
}
