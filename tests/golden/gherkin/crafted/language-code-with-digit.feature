#language: x1
Fonctionnalité: x
