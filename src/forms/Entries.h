#pragma once

// Every entry of a translation file, by what it is for: line n of the file is entry n. The
// entries are numbered in the order the file lists them, so a new one goes at the end, before
// Count; Count is how many entries a complete file has.
namespace torvexa::entries {

enum Entry : int {
    LanguageName,     // shown on the Info page
    Translator,       // shown on the Info page
    LanguageVersion,  // must match the program's version
    MenuLoad,
    MenuSave,
    MenuQuit,
    MenuInfo,
    PageGeneral,
    PageGraphicsQuality,
    PageObjects,
    AllSettingsFromFile,
    Colour32Bit,
    FullScreen,
    HardwareTnL,
    DoubleFiltering,
    ReflectionsLabel,
    ReflectionsByProcessor,     // an item of the reflections box, by the value it stands for
    ReflectionsByGraphicsCard,  // the same
    ResolutionLabel,
    TextureQualityLabel,
    LowerQualityDistanceLabel,
    Mirrors,
    MirrorsTCam,
    HelmetVisor,
    VisorTint,
    CarsMirroredInRain,
    Sky,
    WaterReflections,
    TrackMapLabel,
    TrackMapOff,
    TrackMapArcadeOnly,
    TrackMapAlways,
    SteeringWheelLabel,
    SteeringWheelCockpitOnly,
    SteeringWheelAlways,
    RaindropsLabel,
    RaindropsNever,
    RaindropsRealCameras,
    RaindropsAllButCockpit,
    RaindropsAll,
    MirrorViewLabel,
    MirrorViewWide,  // the slider's marks, low end to high end
    MirrorViewNormal,
    MirrorViewZoom,
    LanguageFileGroup,
    LanguageLabel,
    AuthorLabel,
    VersionLabel,
    Switch102,
    Switch59,
    Switch25,
    Switch34,
    Switch37,
    PageManual,
    NewValueLabel,
    ApplyValue,
    DescriptionLabel,
    Line49Label,
    PreviewHeading,
    WriteToUs,
    ProgramGroup,
    PresetSaved,   // message
    OptimiseMenu,  // also the preset dialog's title
    Preset1,
    Preset2,
    Preset3,
    Preset4,
    PresetCancel,
    PresetApply,
    PresetGroup,
    NoPresetChosen,     // message
    ReflectionsByBoth,  // an item of the reflections box
    Switch26,
    Switch33,
    Number27,
    DoubleFilteringLines,
    Number27Help,  // message of the first help button
    Switch33Help,  // message of the second
    HelpButton,
    ChooseLanguageFile,
    MoreAt,
    TintRed,
    TintGreen,
    TintBlue,
    LinkSliders,
    SofteningLabel,
    SofteningOff,  // the number beside the slider at 0
    NoBackup,      // message
    MenuSaveBackup,
    MenuRestoreBackup,
    MenuFile,
    MenuExtras,
    // Entries an earlier translation file lacks: their controls keep the German caption.
    GameLabel,
    GameFolder,
    NoGameFound,
    Count
};

}  // namespace torvexa::entries
