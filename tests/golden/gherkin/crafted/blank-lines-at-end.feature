Feature: x
@t


