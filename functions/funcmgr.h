#pragma once
// The two process-wide registries: function providers and data sources. Each list is built on first use with
// the built-in objects first, takes the plug-ins' objects after them, owns everything in it and is deleted at
// close. Main thread only: the lists have no lock.

#include "functions/ifuncprovider.h"
#include "functions/iincomingdatasource.h"

#include <QList>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>

using FuncProviderList = QList<IFuncProvider*>;
using DataSourceList = QList<IIncomingDataSource*>;

// The function-provider list, created on the first call.
FuncProviderList& GetFuncProviderList();
// The data-source list, created on the first call; each built-in source gets its stored settings as it is
// added, so the first call comes after the user configuration was loaded.
DataSourceList& GetDataSourceList();

// The first object whose GetName() equals the name cut before its first ':' (case-sensitive); null if none.
IFuncProvider* FindPluginByName(const FuncProviderList& list, const QString& name);
IIncomingDataSource* FindPluginByName(const DataSourceList& list, const QString& name);

// Calls "provider:function" (a name without ':' is both). A missing provider answers the integer 0 and
// writes one DEBUG line.
QVariant CallProviderFunction(const FuncProviderList& list, const QString& name, const QVariantList& args);

// The names of the data sources in list order; only the active ones with activeOnly.
QStringList GetDataSourceNames(bool activeOnly);

// Appends a source that has a name no other source of the list has, after handing it the settings stored under
// that name; the list owns it from then on. Otherwise the source is refused (and stays the caller's).
// Answers whether it was added.
bool AddDataSource(DataSourceList& list, IIncomingDataSource* source);

// Stores every source's settings in the settings map under its name. Does nothing before the list exists.
void SaveDataSourceSettings();

// Delete every object of the list and the list itself; the next use builds a new one. Nothing happens when the
// list does not exist.
void DeleteFuncProviders();
void DeleteDataSources();

// ---- Start-up wiring ----

// The map of stored data-source settings (source name -> settings map) that sources are handed when they are
// added and that SaveDataSourceSettings writes: the user configuration's, installed by program entry before
// the data-source list is first used. Not owned. Without one, sources start with empty settings and nothing
// is kept.
void SetDataSourceSettingsMap(QVariantMap* settings);
QVariantMap* DataSourceSettingsMap();

// Built-in objects that live above this library are made known here, in list order, before their list is
// first used: each factory makes one new object whenever the list is built.
using FuncProviderFactory = std::function<IFuncProvider*()>;
using DataSourceFactory = std::function<IIncomingDataSource*()>;
void RegisterBuiltInFuncProvider(const FuncProviderFactory& factory);
void RegisterBuiltInDataSource(const DataSourceFactory& factory);
// Forget the registered factories (the program's teardown): lists built afterwards hold only what is
// registered anew.
void ClearBuiltInFuncProviders();
void ClearBuiltInDataSources();
