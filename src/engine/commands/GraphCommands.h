#pragma once

namespace lumivex {

class CCommandRegistry;
struct CommandContext;

/// The graph family: Set Graph, Auto Scale and Reset Graph.
void RegisterGraphCommands(CCommandRegistry& registry, CommandContext& context);

/// Graph Settings for the last selected spectrum; a change of quantity scales automatically.
void SetGraph(CommandContext& context);
/// Auto Scale: once settings were applied, the y maxima of the shown quantities follow the
/// spectra's peaks.
void AutoScale(CommandContext& context);
/// Reset Graph: the x shifts and the settings undone, extents and maxima from the spectra.
void ResetGraph(CommandContext& context);

} // namespace lumivex
