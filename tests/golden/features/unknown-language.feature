# language: xx
Feature: an unknown language leaves English
Fonctionnalité: is not French then
